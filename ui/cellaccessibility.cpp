#include "cellaccessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>

namespace keymint
{

namespace
{

class HiddenCellAccessible final : public QAccessibleWidget
{
public:
    explicit HiddenCellAccessible(QWidget *cell) : QAccessibleWidget(cell, QAccessible::StaticText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.offscreen = true;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface *cellAccessible(const QString &className, QObject *object)
{
    static const QRegularExpression cellName(QStringLiteral("^char\\d+$"));
    if (className == QLatin1String("QLabel") && cellName.match(object->objectName()).hasMatch() &&
        object->parent() != nullptr && object->parent()->objectName() == QLatin1String("frmMain"))
        return new HiddenCellAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void keepCharacterCellsFromScreenReaders()
{
    static const bool installed = (QAccessible::installFactory(cellAccessible), true);
    Q_UNUSED(installed);
}

} // namespace keymint
