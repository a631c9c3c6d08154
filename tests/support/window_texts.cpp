#include "window_texts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTabBar>

#include <algorithm>

namespace dorvik::testing {

namespace {

class Collector {
public:
    QStringList texts;

    void add(const QString& text)
    {
        if (!text.trimmed().isEmpty() && !seen_.contains(text)) {
            seen_.insert(text);
            texts.append(text);
        }
    }

    void action(QAction* action)
    {
        if (actions_.contains(action))
            return;
        actions_.insert(action);
        add(action->text());
        add(action->iconText());
        add(action->toolTip());
        add(action->statusTip());
        add(action->whatsThis());
        if (QMenu* menu = action->menu())
            widget(menu);
    }

    // The rows under the view's root, every column, as shown and as tips.
    void itemView(QAbstractItemView* view)
    {
        const QAbstractItemModel* model = view->model();
        if (!model)
            return;
        const QModelIndex root = view->rootIndex();
        for (int column = 0; column < model->columnCount(root); ++column) {
            add(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
            add(model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString());
        }
        for (int row = 0; row < std::min(model->rowCount(root), 200); ++row) {
            for (int column = 0; column < model->columnCount(root); ++column) {
                const QModelIndex index = model->index(row, column, root);
                add(index.data(Qt::DisplayRole).toString());
                add(index.data(Qt::ToolTipRole).toString());
            }
        }
    }

    void widget(QWidget* widget)
    {
        if (widgets_.contains(widget))
            return;
        widgets_.insert(widget);
        if (widget->isWindow())
            add(widget->windowTitle());
        add(widget->toolTip());
        add(widget->statusTip());
        add(widget->whatsThis());
        add(widget->accessibleName());
        add(widget->accessibleDescription());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(label->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            add(edit->placeholderText());
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        if (auto* menu = qobject_cast<QMenu*>(widget))
            add(menu->title());
        if (auto* view = qobject_cast<QAbstractItemView*>(widget))
            itemView(view);
        for (QAction* a : widget->actions())
            action(a);
        for (QObject* child : widget->children()) {
            if (auto* w = qobject_cast<QWidget*>(child))
                this->widget(w);
            else if (auto* a = qobject_cast<QAction*>(child))
                action(a);
        }
    }

private:
    QSet<QString> seen_;
    QSet<QAction*> actions_;
    QSet<QWidget*> widgets_;
};

} // namespace

QStringList textsOf(QWidget* window)
{
    Collector collector;
    collector.widget(window);
    return collector.texts;
}

} // namespace dorvik::testing
