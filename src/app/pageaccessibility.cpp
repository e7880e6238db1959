#include "pageaccessibility.h"

#include "pagelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace velmo {

namespace {

QAccessibleInterface* pageElementInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("velmo::PageLabel")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    return nullptr;
}

} // namespace

void installPageAccessibility()
{
    QAccessible::installFactory(pageElementInterface);
}

} // namespace velmo
