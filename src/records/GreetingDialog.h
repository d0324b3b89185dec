// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The greeting: the child picks their name from the list or types a new one.
class GreetingDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        OkButton = 1,
        CancelButton = 2,
        HelpButton = 209,
        NameList = 250,
        NameBox = 251
    };

    GreetingDialog(QWidget* owner, const std::vector<std::string>& studentNames,
                   std::function<void()> showHelp);

    // The confirmed name (cut before its first "."), valid after Ok: the bytes of a listed
    // child's file name, or the typed name in UTF-8.
    const std::string& confirmedName() const { return confirmedName_; }

private:
    void buildControls();
    void confirm();
    const QListWidgetItem* listedAs(const QString& text) const;
    void openHelp();

    std::function<void()> showHelp_;
    std::string confirmedName_;
    QListWidget* nameList_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
