#pragma once
// The check box "&MwSt.-Satz:" with its rate field and note, shared by the rename and the new-account
// dialog. While it is checked the rate and the end of the name follow each other: a rate typed is
// written into the name as " <rate>%", a preset typed into the name is copied into the rate field;
// clearing the box takes the preset out of the name.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>
#include <string>

#include "ui/messages.h"

class QGridLayout;

namespace tellmark::shell {

class VatPresetFields : public QObject {
    Q_OBJECT
public:
    // Adds the three controls to the grid row; they are hidden when the account cannot carry a preset.
    VatPresetFields(QWidget* parent, QGridLayout* grid, int row, QLineEdit* name, bool allowed,
                    ui::Messages& messages);

    // Tab goes from `before` to the box and its rate field, and on to `after` (null: nothing follows).
    void chainTabOrder(QWidget* before, QWidget* after);

    // The rate to store, when the box is checked.
    std::optional<std::string> rate() const;
    void setFromName();

private:
    void onNameEdited();
    void onRateEdited();
    void onToggled(bool on);

    QLineEdit* name_;
    QCheckBox* check_;
    QLineEdit* rate_;
    QLabel* note_;
    bool allowed_;
    ui::Messages& messages_;
};

// The name without trailing blanks, as a field shows it.
QString shownName(const std::string& name);

}  // namespace tellmark::shell
