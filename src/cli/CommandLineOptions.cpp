#include "CommandLineOptions.h"

#include <algorithm>
#include <iterator>

namespace corvane {

namespace {

struct OptionSpec {
    const char* name;
    const char* valueName;  // nullptr for a flag
    const char* defaultValue;
    const char* description;
};

// The jobs first, then their options, in the order the help lists them.
constexpr OptionSpec kProgramOptions[] = {
    {"export-image", "OUT.png", nullptr,
     "Render the design to an image file (PNG, JPG or BMP by extension) without opening a "
     "window."},
    {"export-3d", "OUT.png", nullptr,
     "Render the bowl in 3D as the 3D Preview shows it to an image file (PNG, JPG or BMP by "
     "extension). Needs a display with OpenGL; on a machine without one, run it under "
     "xvfb-run."},
    {"cut-list", nullptr, nullptr, "Write the cut list of the design as CSV to standard output."},
    {"print-pdf", "OUT.pdf", nullptr,
     "Print the design as the Print command would, onto one Letter page of a PDF file (a name "
     "ending in .pdf) at 600 dots per inch, without opening a window."},
    {"size", "WxH", "1000x700",
     "Client size of the rendered view, e.g. 1000x700: at most 16384 pixels a side and 256 "
     "million pixels in all (4096x4096 for --export-3d)."},
    {"scale", "S", "1",
     "Printout scale for --print-pdf: a factor such as 0.9 or a percentage such as 90%."},
    {"units", "in|mm", "in",
     "Units of the lengths given and written for --cut-list and --export-3d: in or mm "
     "(default in)."},
    {"kerf", "K", nullptr, "Saw kerf in the cut list's units (default 0.125 in or 3.175 mm)."},
    {"allowance", "A", nullptr,
     "Turning allowance on each side of the wall in the cut list's units (default 0.125 in or "
     "3.175 mm)."},
    {"ring-height", "H", nullptr,
     "Height of every ring (and of the disc) in the chosen units, for --cut-list and "
     "--export-3d, in place of the design's own."},
    {"wall-thickness", "T", nullptr,
     "Wall thickness in the chosen units, for --cut-list and --export-3d, in place of the "
     "design's own."},
    {"azimuth", "DEG", nullptr,
     "Degrees the --export-3d camera stands around the bowl (default 35)."},
    {"elevation", "DEG", nullptr,
     "Degrees the --export-3d camera stands above the rim's plane, from -90 to 90 (default "
     "30)."},
};

// Qt's application object takes these from the arguments itself; they are
// accepted here so that parsing the rest does not refuse them.
constexpr OptionSpec kQtOptions[] = {
    {"platform", "name[:options]", nullptr, "Qt's platform plugin: xcb, wayland, offscreen"},
    {"platformpluginpath", "path", nullptr, "A folder to look for platform plugins in."},
    {"platformtheme", "theme", nullptr, "The platform theme to use."},
    {"plugin", "plugin", nullptr, "An extra plugin to load."},
    {"qwindowgeometry", "geometry", nullptr, "Size and place of the main window."},
    {"qwindowicon", "icon", nullptr, "The window icon."},
    {"qwindowtitle", "title", nullptr, "The title of the main window."},
    {"reverse", nullptr, nullptr, "Lays the window out from right to left."},
    {"session", "session", nullptr, "Restores the window of an earlier session."},
    {"display", "host:screen", nullptr, "The X server to use (xcb)."},
    {"geometry", "geometry", nullptr, "Size and place of the main window (xcb)."},
    {"style", "style", nullptr, "The widget style, such as Fusion."},
    {"stylesheet", "file", nullptr, "A style sheet for the widgets."},
    {"widgetcount", nullptr, nullptr, "Tells at the end how many widgets are left."},
};

QCommandLineOption makeOption(const OptionSpec& entry) {
    QCommandLineOption option(QString::fromLatin1(entry.name),
                              QString::fromLatin1(entry.description));
    if (entry.valueName != nullptr) {
        option.setValueName(QString::fromLatin1(entry.valueName));
    }
    if (entry.defaultValue != nullptr) {
        option.setDefaultValue(QString::fromLatin1(entry.defaultValue));
    }
    return option;
}

// The help without its first line, which names the executable.
QString withoutUsageLine(const QString& help) {
    const qsizetype end = help.indexOf(QLatin1Char('\n'));
    return end < 0 ? QString() : help.mid(end + 1);
}

}  // namespace

CommandLineOptions::CommandLineOptions() {
    // Qt's options are single-dash words (-platform, -style).
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setApplicationDescription(QStringLiteral("Corvane: plans segmented turned bowls."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    for (const OptionSpec& entry : kProgramOptions) {
        parser_.addOption(makeOption(entry));
    }
    for (const OptionSpec& entry : kQtOptions) {
        QCommandLineOption option = makeOption(entry);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
    parser_.addPositionalArgument(
        QStringLiteral("design"),
        QStringLiteral("A design CSV file to start with, or to export, print or list."),
        QStringLiteral("[DESIGN.csv]"));
}

bool CommandLineOptions::parse(const QStringList& arguments) {
    return parser_.parse(arguments);
}

bool CommandLineOptions::wantsHelp() const {
    return parser_.isSet(QStringLiteral("help")) || wantsHelpAll();
}

bool CommandLineOptions::wantsHelpAll() const {
    return parser_.isSet(QStringLiteral("help-all"));
}

bool CommandLineOptions::wantsVersion() const {
    return parser_.isSet(QStringLiteral("version"));
}

QStringList CommandLineOptions::programOptionNames() {
    QStringList names;
    for (const OptionSpec& entry : kProgramOptions) {
        names.append(QString::fromLatin1(entry.name));
    }
    return names;
}

QString CommandLineOptions::valueName(const QString& name) {
    for (const OptionSpec& entry : kProgramOptions) {
        if (name == QLatin1String(entry.name) && entry.valueName != nullptr) {
            return QString::fromLatin1(entry.valueName);
        }
    }
    return {};
}

QString CommandLineOptions::optionsHelp() const {
    return withoutUsageLine(parser_.helpText());
}

// Written the way Qt's own documentation writes them, with one dash.
QString CommandLineOptions::qtOptionsHelp() {
    QStringList names;
    qsizetype width = 0;
    for (const OptionSpec& entry : kQtOptions) {
        const QString value = entry.valueName == nullptr
                                  ? QString()
                                  : QStringLiteral(" <%1>").arg(QLatin1String(entry.valueName));
        names.append(QStringLiteral("-") + QLatin1String(entry.name) + value);
        width = std::max(width, names.back().size());
    }
    QString help = QStringLiteral("Qt's own options, for the window and --export-3d:\n");
    for (size_t i = 0; i < std::size(kQtOptions); ++i) {
        help += QStringLiteral("  %1  %2\n")
                    .arg(names[qsizetype(i)], -int(width))
                    .arg(QLatin1String(kQtOptions[i].description));
    }
    return help;
}

}  // namespace corvane
