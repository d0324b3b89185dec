// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DialogControls.h"

#include "common/TextFit.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
template <typename Control>
Control* addTextControl(QWidget* parent, int id, const QString& text, const QRect& rect) {
    auto* control = new Control(text, parent);
    placeControl(control, id, rect);
    return control;
}
} // namespace

void placeControl(QWidget* control, const QString& name, const QRect& rect) {
    control->setObjectName(name);
    control->setGeometry(rect);
}

void placeControl(QWidget* control, int id, const QRect& rect) {
    placeControl(control, controlName(id), rect);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                 Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    placeControl(label, name, rect);
    setFittedText(label, text);
    return label;
}

QPushButton* addButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
    return addTextControl<QPushButton>(parent, id, text, rect);
}

QLineEdit* addLineEdit(QWidget* parent, int id, const QString& accessibleName, const QRect& rect,
                       const QString& text) {
    auto* edit = addTextControl<QLineEdit>(parent, id, text, rect);
    edit->setAccessibleName(accessibleName);
    return edit;
}

void nameTypedInComboBox(QComboBox* combo, const QString& accessibleName) {
    combo->setAccessibleName(accessibleName);
    if (QLineEdit* edit = combo->lineEdit()) {
        edit->setAccessibleName(accessibleName);
    }
}

void connectOkCancelButtons(QDialog& dialog, const std::function<void()>& onOk) {
    auto* ok = dialog.findChild<QPushButton*>(controlName(static_cast<int>(DialogButtonId::Ok)));
    auto* cancel =
        dialog.findChild<QPushButton*>(controlName(static_cast<int>(DialogButtonId::Cancel)));
    ok->setDefault(true);
    if (onOk) {
        QObject::connect(ok, &QPushButton::clicked, &dialog, onOk);
    } else {
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    }
    if (cancel != nullptr) {
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
}

void addOkCancelButtons(QDialog& dialog, const QRect& okRect, const QRect& cancelRect,
                        const std::function<void()>& onOk) {
    addButton(&dialog, static_cast<int>(DialogButtonId::Ok),
              QCoreApplication::translate("DialogControls", "&Ok"), okRect);
    addButton(&dialog, static_cast<int>(DialogButtonId::Cancel),
              QCoreApplication::translate("DialogControls", "&Cancel"), cancelRect);
    connectOkCancelButtons(dialog, onOk);
}

QPushButton* addRowButton(QWidget* parent, QBoxLayout* row, int id, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(controlName(id));
    button->setAccessibleName(QString(text).remove('&').remove("..."));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}
