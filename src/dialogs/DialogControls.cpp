#include "dialogs/DialogControls.h"

#include "dialogs/ControlIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {
constexpr double fittingStep = 0.5;

template <typename Control>
Control* placeControl(QWidget* parent, int id, const QString& text, const QRect& rect) {
    auto* control = new Control(text, parent);
    control->setObjectName(controlName(id));
    control->setGeometry(rect);
    return control;
}

QFont inheritedFont(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    return parent != nullptr ? parent->font() : QFont();
}
} // namespace

QString controlName(int id) {
    return QString::number(id);
}

void fitFontToWidth(QWidget* control) {
    QFont font = inheritedFont(control);
    control->setFont(font);
    if (font.pointSizeF() <= 0) {
        return; // a font set in pixels is left as it is
    }
    while (control->sizeHint().width() > control->width() &&
           font.pointSizeF() - fittingStep >= minimumFittedPointSize) {
        font.setPointSizeF(font.pointSizeF() - fittingStep);
        control->setFont(font);
    }
}

void setFittedText(QLabel* label, const QString& text) {
    label->setText(text);
    fitFontToWidth(label);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    setFittedText(label, text);
    return label;
}

QPushButton* addButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
    return placeControl<QPushButton>(parent, id, text, rect);
}

QRadioButton* addOptionButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
    auto* option = placeControl<QRadioButton>(parent, id, text, rect);
    fitFontToWidth(option);
    return option;
}

QCheckBox* addCheckBox(QWidget* parent, int id, const QString& text, const QRect& rect) {
    auto* box = placeControl<QCheckBox>(parent, id, text, rect);
    fitFontToWidth(box);
    return box;
}

QComboBox* addDropDownList(QWidget* parent, int id, const QString& accessibleName,
                           const QRect& openRect, const std::vector<std::string>& entries) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(controlName(id));
    combo->setAccessibleName(accessibleName);
    combo->setEditable(false);
    for (const std::string& entry : entries) {
        combo->addItem(QString::fromStdString(entry));
    }
    const int closedHeight = std::min(combo->sizeHint().height(), openRect.height());
    combo->setGeometry(openRect.x(), openRect.y(), openRect.width(), closedHeight);
    const int entryHeight = std::max(1, combo->fontMetrics().height() + 2);
    combo->setMaxVisibleItems(std::max(1, (openRect.height() - closedHeight) / entryHeight));
    return combo;
}

void addOkCancelButtons(QDialog& dialog, const QRect& okRect, const QRect& cancelRect) {
    auto* ok = addButton(&dialog, static_cast<int>(DialogButtonId::Ok), "&Ok", okRect);
    auto* cancel =
        addButton(&dialog, static_cast<int>(DialogButtonId::Cancel), "&Cancel", cancelRect);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}
