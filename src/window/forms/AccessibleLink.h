#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// What a screen reader learns of a LinkLabel: a link, not a plain label, that its press action
// follows as Enter or a click would.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* link);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // For QAccessible::installFactory: the interface of a LinkLabel, and nothing for others.
    static QAccessibleInterface* forObject(const QString& className, QObject* object);
};
