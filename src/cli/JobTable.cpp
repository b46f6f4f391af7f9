#include "JobTable.h"

#include "CommandLineOptions.h"
#include "CutListJob.h"
#include "Export3dJob.h"
#include "PictureJobs.h"
#include "PrintError.h"
#include "WindowJob.h"

namespace corvane {

namespace {

constexpr qsizetype kHelpWidth = 79;

QString optionText(const QString& name) {
    const QString value = CommandLineOptions::valueName(name);
    return QStringLiteral("--") + name + (value.isEmpty() ? QString() : QLatin1Char(' ') + value);
}

// "--a", "--a or --b", "--a, --b or --c"
QString alternatives(const QStringList& names) {
    QStringList options;
    for (const QString& name : names) {
        options.append(QStringLiteral("--") + name);
    }
    const QString last = options.takeLast();
    return options.isEmpty() ? last
                             : options.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// The jobs that own an option, in the order of the table.
QStringList ownersOf(const QString& option) {
    QStringList owners;
    for (const Job& job : JobTable()) {
        if (job.options.contains(option)) {
            owners.append(job.option);
        }
    }
    return owners;
}

bool optionsBelongTo(const Job& job, const CommandLineOptions& options) {
    for (const QString& name : CommandLineOptions::programOptionNames()) {
        if (!options.isSet(name) || name == job.option || job.options.contains(name) ||
            ownersOf(name).isEmpty()) {
            continue;
        }
        const QStringList owners = ownersOf(name);
        PrintError(QStringLiteral("--%1 belongs to %2; give it with %3.")
                       .arg(name, alternatives(owners),
                            owners.size() == 1 ? QStringLiteral("that job")
                                               : QStringLiteral("one of those jobs")));
        return false;
    }
    return true;
}

// Words of a usage line, continued lines indented under the program's name.
QString wrapped(const QString& lead, const QStringList& words) {
    QString text = lead;
    qsizetype lineStart = 0;
    const QString indent(lead.size() + 3, QLatin1Char(' '));
    for (const QString& word : words) {
        if (text.size() - lineStart + 1 + word.size() > kHelpWidth) {
            text += QLatin1Char('\n');
            lineStart = text.size();
            text += indent + word;
        } else {
            text += QLatin1Char(' ') + word;
        }
    }
    return text + QLatin1Char('\n');
}

QString usageLine(const Job& job, const QString& lead) {
    QStringList words;
    if (!job.option.isEmpty()) {
        words.append(optionText(job.option));
    }
    for (const QString& name : job.options) {
        words.append(QLatin1Char('[') + optionText(name) + QLatin1Char(']'));
    }
    words.append(QStringLiteral("[DESIGN.csv]"));
    return wrapped(lead, words);
}

}  // namespace

const std::vector<Job>& JobTable() {
    static const std::vector<Job> jobs{WindowJob(), ExportImageJob(), Export3dJob(), CutListJob(),
                                       PrintPdfJob()};
    return jobs;
}

const Job* ChosenJob(const CommandLineOptions& options) {
    const Job* chosen = nullptr;
    for (const Job& job : JobTable()) {
        if (job.option.isEmpty() || !options.isSet(job.option)) {
            continue;
        }
        if (chosen != nullptr) {
            PrintError(QStringLiteral("give one job at a time: --%1 and --%2 were both given.")
                           .arg(chosen->option, job.option));
            return nullptr;
        }
        chosen = &job;
    }
    if (chosen == nullptr) {
        chosen = &JobTable().front();
    }
    return optionsBelongTo(*chosen, options) ? chosen : nullptr;
}

QString UsageText() {
    QString text;
    for (const Job& job : JobTable()) {
        text += usageLine(job, text.isEmpty() ? QStringLiteral("Usage: corvane")
                                              : QStringLiteral("       corvane"));
    }
    return text + QStringLiteral("       corvane --help | --help-all | --version\n");
}

}  // namespace corvane
