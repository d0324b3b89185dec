#pragma once

#include <QRect>
#include <QString>

#include <vector>

class QRadioButton;
class QWidget;

// One option button of the group that picks an operation kind (number 340 + kind).
struct OperationOption {
    int kind = 1;
    QString text;
    QRect rect;
};

// The group of option buttons, in the order given; the first one starts a new group.
class OperationOptions {
public:
    OperationOptions(QWidget* parent, const std::vector<OperationOption>& options);

    // Checks the option of a kind; a kind without an option checks nothing.
    void check(int kind);
    // The kind of the first checked option in order; 0 when none is checked.
    int checkedKind() const;
    const std::vector<QRadioButton*>& buttons() const { return buttons_; }

private:
    std::vector<QRadioButton*> buttons_;
    std::vector<int> kinds_;
};
