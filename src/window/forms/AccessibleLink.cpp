#include "forms/AccessibleLink.h"

#include "forms/LinkLabel.h"

AccessibleLink::AccessibleLink(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

QStringList AccessibleLink::actionNames() const {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void AccessibleLink::doAction(const QString& actionName) {
    if (actionName == pressAction())
        emit static_cast<LinkLabel*>(widget())->activated();
    else
        QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface* AccessibleLink::forObject(const QString& className, QObject* object) {
    auto* link = qobject_cast<LinkLabel*>(object);
    return className == QLatin1String(LinkLabel::staticMetaObject.className()) && link
               ? new AccessibleLink(link)
               : nullptr;
}
