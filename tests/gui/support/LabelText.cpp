#include "LabelText.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QTextLayout>

#include <cmath>

namespace corvane::test {

namespace {

struct WrappedText {
    qreal height = 0;
    QString problem;
};

WrappedText wrap(const QLabel& label) {
    const QString text = label.text();
    QTextLayout layout(text, label.font());
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(label.font()).leading();
    WrappedText result;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.width());
        if (line.lineNumber() > 0) {
            result.height += leading;
        }
        line.setPosition(QPointF(0, result.height));
        result.height += line.height();
        const int end = line.textStart() + line.textLength();
        if (result.problem.isEmpty() && line.naturalTextWidth() > label.width() + 0.5) {
            result.problem = QStringLiteral("line too wide: ") + text.mid(line.textStart(), 20);
        }
        if (result.problem.isEmpty() && end < text.size() && !text[end - 1].isSpace()) {
            result.problem = QStringLiteral("word broken: ") + text.mid(line.textStart(), 20);
        }
    }
    layout.endLayout();
    return result;
}

}  // namespace

int WrappedTextHeight(const QLabel& label) {
    return int(std::ceil(wrap(label).height));
}

QString HiddenText(const QLabel& label) {
    const WrappedText wrapped = wrap(label);
    if (!wrapped.problem.isEmpty()) {
        return wrapped.problem;
    }
    if (std::ceil(wrapped.height) > label.height()) {
        return QStringLiteral("%1 px of text in a %2 px box: ")
                   .arg(wrapped.height)
                   .arg(label.height()) +
               label.text().left(20);
    }
    return {};
}

}  // namespace corvane::test
