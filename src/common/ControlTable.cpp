// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ControlTable.h"

#include "common/ScreenReaderNotice.h"

#include "common/TextFit.h"
#include "common/TextSize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstring>

namespace {
QWidget* makeControl(QWidget* parent, const QString& text, const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::MiddleLabel: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft |
                            (row.kind == ControlKind::Label ? Qt::AlignTop : Qt::AlignVCenter));
        label->setText(text);
        return label;
    }
    case ControlKind::LineEdit: {
        auto* edit = new QLineEdit(parent);
        edit->setAccessibleName(text);
        return edit;
    }
    case ControlKind::DropDown: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        combo->setAccessibleName(text);
        speakDropDown(combo);
        return combo;
    }
    case ControlKind::Button:
        return new QPushButton(text, parent);
    case ControlKind::Option:
        return new QRadioButton(text, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::TypedCombo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setAccessibleName(text);
        combo->lineEdit()->setAccessibleName(text); // the line edit is what takes the focus
        return combo;
    }
    case ControlKind::Placed:
        break;
    }
    return nullptr;
}
} // namespace

QString controlName(int id) {
    return QString::number(id);
}

QString rowText(const char* context, const ControlRow& row) {
    if (context == nullptr || *row.text == '\0') {
        return QString::fromUtf8(row.text);
    }
    return QCoreApplication::translate(context, row.text);
}

void placeControl(QWidget* control, const char* context, const ControlRow& row) {
    control->setObjectName(QString::fromUtf8(row.name));
    control->setGeometry(row.rect);
    if (row.fontPoints > 0) {
        QFont font = control->font();
        font.setPointSizeF(row.fontPoints * textScale());
        control->setFont(font);
    }
    if (row.kind == ControlKind::Placed && control->accessibleName().isEmpty()) {
        control->setAccessibleName(rowText(context, row));
    }
}

QWidget* addControl(QWidget* parent, const char* context, const ControlRow& row) {
    QWidget* control = makeControl(parent, rowText(context, row), row);
    if (control == nullptr) {
        return nullptr;
    }
    placeControl(control, context, row);
    const bool fitted = row.kind == ControlKind::Label || row.kind == ControlKind::MiddleLabel ||
                        row.kind == ControlKind::Option || row.kind == ControlKind::CheckBox;
    if (fitted && row.fontPoints == 0) {
        fitText(control);
    }
    return control;
}

void addControls(QWidget* parent, const char* context, std::span<const ControlRow> rows,
                 const std::function<QWidget*(const ControlRow&)>& makePlaced) {
    for (const ControlRow& row : rows) {
        if (row.kind != ControlKind::Placed) {
            addControl(parent, context, row);
        } else if (makePlaced) {
            placeControl(makePlaced(row), context, row);
        }
    }
}

void addControls(QWidget* parent, std::span<const ControlRow> rows,
                 const std::function<QWidget*(const ControlRow&)>& makePlaced) {
    addControls(parent, nullptr, rows, makePlaced);
}

void fitDropDown(QComboBox* combo, const ControlRow& row) {
    const QRect& open = row.rect;
    const int closedHeight = std::min(combo->sizeHint().height(), open.height());
    combo->setGeometry(open.x(), open.y(), open.width(), closedHeight);
    const int entryHeight = std::max(1, combo->fontMetrics().height() + 2);
    combo->setMaxVisibleItems(std::max(1, (open.height() - closedHeight) / entryHeight));
}

const ControlRow& rowNamed(std::span<const ControlRow> rows, const char* name) {
    for (const ControlRow& row : rows) {
        if (std::strcmp(row.name, name) == 0) {
            return row;
        }
    }
    Q_ASSERT_X(false, "rowNamed", name);
    static const ControlRow none;
    return none;
}
