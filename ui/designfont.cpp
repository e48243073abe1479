#include "designfont.h"

#include <QWidget>

namespace keymint
{

void applyDesignFontSize(QWidget *form)
{
    QFont font = form->font();
    font.setPointSizeF(8.25);
    form->setFont(font);
}

} // namespace keymint
