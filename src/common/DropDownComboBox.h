#pragma once

#include <QComboBox>

namespace kelvra {

// A combo box that says when its list is about to open, so that the list can be loaded
// before the operator sees it (the pickers reload on every drop-down).
class DropDownComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void droppingDown();
};

} // namespace kelvra
