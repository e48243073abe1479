#include "designfont.h"

#include <QFont>
#include <QWidget>

namespace keymint
{

void applyDesignFontSize(QWidget *form)
{
    QFont font = form->font();
    font.setPointSizeF(8.25);
    form->setFont(font);
}

void substituteDesignFont()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

void mirrorForRightToLeft(QWidget *form)
{
    if (form->layoutDirection() != Qt::RightToLeft)
        return;
    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (!control->isWindow())
            control->move(control->parentWidget()->width() - control->x() - control->width(),
                          control->y());
    }
}

} // namespace keymint
