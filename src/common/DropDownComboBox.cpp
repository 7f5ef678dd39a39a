#include "common/DropDownComboBox.h"

#include <QPointer>

namespace kelvra {

void DropDownComboBox::showPopup()
{
    const QPointer<DropDownComboBox> alive(this);
    emit droppingDown();
    // The load may have let a click close the window meanwhile.
    if (alive)
        QComboBox::showPopup();
}

} // namespace kelvra
