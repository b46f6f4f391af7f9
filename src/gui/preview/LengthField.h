#pragma once

#include "CutList.h"
#include "DesignLimits.h"

#include <QLineEdit>

namespace corvane {

// A length typed in the cut list's units. As in the parameters box, every
// edit is read at once; a value beyond its limits is framed in red with the
// reason as its tip and is not taken.
class LengthField : public QLineEdit {
    Q_OBJECT

public:
    // Reads a typed value in its units against the length's limits.
    using Reader = TypedLength (*)(double typed, LengthUnit unit);

    LengthField(Reader reader, QWidget* parent = nullptr);

    // Shows a length (kept in inches) in the given units and clears any problem.
    void showLength(double inches, LengthUnit unit);
    // Frames the field in red with the reason, as for a value beyond its
    // limits; an empty message clears it.
    void showProblem(const QString& message);
    // Why the text is not taken; empty when it is.
    QString problem() const { return problem_; }

signals:
    // The user typed a length within its limits.
    void lengthEdited(double inches);
    void problemChanged();

private:
    void onEdited(const QString& text);

    Reader reader_;
    LengthUnit unit_ = LengthUnit::Inches;
    QString problem_;
};

}  // namespace corvane
