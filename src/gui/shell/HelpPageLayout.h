#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace corvane {

// The help page laid out for one font: every text in a box tall enough for
// all its lines, boxes where the template puts them unless a longer text
// above pushes them down, and a dialog that holds them all.
class HelpPageLayout {
public:
    struct Text {
        QRect rect;  // pixels
        QString text;
    };

    // The page's texts as written, one per template box, in reading order.
    static QStringList templateTexts();

    // The template font, 12 point Times New Roman (or a metric-compatible serif).
    static QFont templateFont();

    // The page at the template font and dialog units where the dialog fits
    // into `available`. Where it is too wide, the horizontal units are
    // narrowed to fit; where it is then too tall, the font is made smaller,
    // but never below the smallest readable size.
    static HelpPageLayout fit(const QSize& available);
    static HelpPageLayout at(const QFont& font, int maxWidth);

    // Height of a text wrapped at the width, last line's descenders included.
    static int textHeight(const QFont& font, int width, const QString& text);

    QFont font() const { return font_; }
    QSize dialogSize() const { return dialogSize_; }
    QRect iconRect() const { return iconRect_; }
    QRect okRect() const { return okRect_; }
    // Sentences that run from one template box into the next are one text
    // here, so that they wrap as whole sentences.
    const QList<Text>& texts() const { return texts_; }

    static constexpr double kSmallestPointSize = 6.0;

private:
    QFont font_;
    QSize dialogSize_;
    QRect iconRect_;
    QRect okRect_;
    QList<Text> texts_;
};

}  // namespace corvane
