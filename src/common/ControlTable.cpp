#include "common/ControlTable.h"

#include "common/TextFit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>

namespace {
QWidget* makeControl(QWidget* parent, const ControlRow& row) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(text);
        return label;
    }
    case ControlKind::Button:
        return new QPushButton(text, parent);
    case ControlKind::Option:
        return new QRadioButton(text, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::Placed:
        break;
    }
    return nullptr;
}
} // namespace

QString controlName(int id) {
    return QString::number(id);
}

void placeControl(QWidget* control, const ControlRow& row) {
    control->setObjectName(QString::fromUtf8(row.name));
    control->setGeometry(row.rect);
    if (row.fontPoints > 0) {
        QFont font = control->font();
        font.setPointSize(row.fontPoints);
        control->setFont(font);
    }
    if (row.kind == ControlKind::Placed && control->accessibleName().isEmpty()) {
        control->setAccessibleName(QString::fromUtf8(row.text));
    }
}

QWidget* addControl(QWidget* parent, const ControlRow& row) {
    QWidget* control = makeControl(parent, row);
    if (control == nullptr) {
        return nullptr;
    }
    placeControl(control, row);
    if (row.kind != ControlKind::Button && row.fontPoints == 0) {
        fitText(control);
    }
    return control;
}

void addControls(QWidget* parent, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        addControl(parent, row);
    }
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
