#include "shell/ui/WidgetLanguageApplier.h"
#include "shell/ui/WidgetProperties.h"
#include "common/ui/DisplayText.h"
#include "common/NumberText.h"

#include "shell/LanguageCatalog.h"
#include "shell/LanguageFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include <exception>
#include <functional>
#include <vector>

namespace {

using namespace WidgetProperties;

class Walker {
public:
    explicit Walker(QWidget *window) : m_window(window)
    {
        // Components belong to the window whatever their nesting: index every object below it,
        // the first of each name (depth first, in creation order) winning.
        const QList<QObject *> objects = window->findChildren<QObject *>();
        for (QObject *o : objects) {
            const QString key = o->objectName().toLower();
            if (!key.isEmpty() && !m_components.contains(key))
                m_components.insert(key, o);
        }
    }

    int set() const { return m_set; }

    // Depth first in file order, with a stack of our own: the nesting is the file author's
    // choice and must never reach the call stack.
    void applyElement(QObject *object, const QDomElement &element)
    {
        struct Open {
            QObject *object;
            QDomElement next; // the next child element to apply
        };
        std::vector<Open> open;
        applyAttributes(object, element);
        open.push_back({object, element.firstChildElement()});
        while (!open.empty()) {
            if (open.back().next.isNull()) {
                open.pop_back();
                continue;
            }
            QObject *const owner = open.back().object;
            const QDomElement child = open.back().next;
            open.back().next = child.nextSiblingElement();
            // The vocabulary component is not a widget: LanguageFile fills the vocabulary.
            if (is(child.tagName(), LanguageFile::kVariables))
                continue;
            try {
                if (QObject *component = m_components.value(child.tagName().toLower())) {
                    applyAttributes(component, child);
                    open.push_back({component, child.firstChildElement()});
                } else {
                    applyProperty(owner, child);
                }
            } catch (const std::exception &) {
            }
        }
    }

private:
    void applyAttributes(QObject *object, const QDomElement &element)
    {
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            const QDomAttr attribute = attributes.item(i).toAttr();
            if (is(attribute.name(), "Name"))
                continue;
            try {
                if (setSimple(object, attribute.name(), attribute.value()))
                    ++m_set;
            } catch (const std::exception &) {
            }
        }
    }

    bool setSimple(QObject *object, const QString &name, const QString &raw)
    {
        if (is(name, "Caption"))
            return setCaption(object, textValue(raw));
        if (is(name, "Hint"))
            return WidgetLanguageApplier::setHint(object, textValue(raw));
        if (is(name, "Text"))
            return setText(object, textValue(raw));
        if (is(name, "Width") || is(name, "Height") || is(name, "Left") || is(name, "Top")) {
            int value = 0;
            return NumberText::languageFileInteger(raw, &value) && setGeometryPart(object, name, value);
        }
        if (is(name, "ShortCut"))
            return setShortCut(object, raw);
        if (is(name, "Visible") || is(name, "Enabled"))
            return setVisibleOrEnabled(object, name, parseBool(raw));
        if (is(name, "Items") || is(name, "Lines") || is(name, "Tabs") || is(name, "Columns")
            || is(name, "Font"))
            return false; // object properties take an element, not an attribute
        return setTextProperty(object, name, textValue(raw));
    }

    void applyProperty(QObject *object, const QDomElement &element)
    {
        const QString name = element.tagName();
        if (is(name, "Items"))
            m_set += applyItems(object, element);
        else if (is(name, "Lines"))
            m_set += applyLines(object, element);
        else if (is(name, "Tabs"))
            m_set += applyTabs(object, element);
        else if (is(name, "Columns"))
            m_set += applyColumns(object, element);
        else if (is(name, "Font"))
            m_set += applyFont(object, element);
        else if (element.firstChildElement().isNull() && !is(name, "Name") && setSimple(object, name, element.text()))
            ++m_set; // a simple property given as an element: its text is the value
    }

    static int applyItems(QObject *object, const QDomElement &element)
    {
        if (auto *box = qobject_cast<QComboBox *>(object)) {
            QStringList lines;
            for (int i = 0; i < box->count(); ++i)
                lines.append(box->itemText(i));
            const QStringList before = lines;
            const int n = LanguageFile::applyFixedStringList(element, &lines);
            const QSignalBlocker blocker(box);
            for (int i = 0; i < lines.size(); ++i) {
                if (lines.at(i) != before.at(i))
                    box->setItemText(i, lines.at(i));
            }
            return n;
        }
        if (auto *list = qobject_cast<QListWidget *>(object)) {
            QStringList lines;
            for (int i = 0; i < list->count(); ++i)
                lines.append(list->item(i)->text());
            const int n = LanguageFile::applyFixedStringList(element, &lines);
            const QSignalBlocker blocker(list);
            for (int i = 0; i < lines.size(); ++i)
                list->item(i)->setText(lines.at(i));
            return n;
        }
        if (auto *tree = qobject_cast<QTreeWidget *>(object))
            return applyTreeItems(tree, element);
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            // A radio group: its entries are its radio buttons.
            const QList<QRadioButton *> buttons = widget->findChildren<QRadioButton *>();
            if (buttons.isEmpty())
                return 0;
            QStringList lines;
            for (QRadioButton *b : buttons)
                lines.append(b->text());
            const int n = LanguageFile::applyFixedStringList(element, &lines);
            for (int i = 0; i < lines.size(); ++i)
                buttons.at(i)->setText(lines.at(i));
            return n;
        }
        return 0;
    }

    // List items (Index, Column, Value: column 0 is the item's caption, column c its sub-item
    // c - 1) or, without Column, tree nodes counted through the whole tree.
    static int applyTreeItems(QTreeWidget *tree, const QDomElement &element)
    {
        QList<QTreeWidgetItem *> nodes;
        const std::function<void(QTreeWidgetItem *)> collect = [&](QTreeWidgetItem *item) {
            nodes.append(item);
            for (int i = 0; i < item->childCount(); ++i)
                collect(item->child(i));
        };
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            collect(tree->topLevelItem(i));

        int set = 0;
        for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            int index = -1;
            bool hasValue = false;
            const QString value = LanguageFile::attribute(e, QStringLiteral("Value"), &hasValue);
            if (!LanguageFile::intAttribute(e, QStringLiteral("Index"), &index) || !hasValue || index < 0)
                continue;
            bool hasColumn = false;
            LanguageFile::attribute(e, QStringLiteral("Column"), &hasColumn);
            if (hasColumn) {
                int column = -1;
                if (!LanguageFile::intAttribute(e, QStringLiteral("Column"), &column) || column < 0
                    || column >= tree->columnCount() || index >= tree->topLevelItemCount())
                    continue;
                tree->topLevelItem(index)->setText(column, value);
            } else {
                if (index >= nodes.size())
                    continue;
                nodes.at(index)->setText(0, value);
            }
            ++set;
        }
        return set;
    }

    static int applyLines(QObject *object, const QDomElement &element)
    {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(object))
            text = label->text();
        else if (auto *edit = qobject_cast<QPlainTextEdit *>(object))
            text = edit->toPlainText();
        else if (auto *edit = qobject_cast<QTextEdit *>(object))
            text = edit->toPlainText();
        else
            return 0;
        QStringList lines = LanguageFile::splitLines(text);
        const int n = LanguageFile::applyStringList(element, &lines);
        if (n == 0 && !LanguageFile::wholeListText(element, &text))
            return 0;
        const QString joined = lines.join(QLatin1Char('\n'));
        if (auto *label = qobject_cast<QLabel *>(object))
            label->setText(joined);
        else if (auto *edit = qobject_cast<QPlainTextEdit *>(object))
            edit->setPlainText(joined);
        else
            qobject_cast<QTextEdit *>(object)->setPlainText(joined);
        return qMax(n, 1);
    }

    static int applyTabs(QObject *object, const QDomElement &element)
    {
        QTabBar *bar = qobject_cast<QTabBar *>(object);
        QTabWidget *tabs = qobject_cast<QTabWidget *>(object);
        if (!bar && !tabs)
            return 0;
        const int count = bar ? bar->count() : tabs->count();
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines.append(bar ? bar->tabText(i) : tabs->tabText(i));
        const int n = LanguageFile::applyFixedStringList(element, &lines);
        for (int i = 0; i < count; ++i)
            bar ? bar->setTabText(i, lines.at(i)) : tabs->setTabText(i, lines.at(i));
        return n;
    }

    // Columns: one child per column with Index and its Caption (or Value) and Width.
    static int applyColumns(QObject *object, const QDomElement &element)
    {
        auto *tree = qobject_cast<QTreeWidget *>(object);
        auto *table = qobject_cast<QTableWidget *>(object);
        if (!tree && !table)
            return 0;
        const int count = tree ? tree->columnCount() : table->columnCount();
        int set = 0;
        for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            int index = -1;
            if (!LanguageFile::intAttribute(e, QStringLiteral("Index"), &index) || index < 0 || index >= count)
                continue;
            bool hasCaption = false;
            QString caption = LanguageFile::attribute(e, QStringLiteral("Caption"), &hasCaption);
            if (!hasCaption)
                caption = LanguageFile::attribute(e, QStringLiteral("Value"), &hasCaption);
            if (hasCaption) {
                caption = textValue(caption);
                if (tree) {
                    tree->headerItem()->setText(index, caption);
                } else {
                    QTableWidgetItem *header = table->horizontalHeaderItem(index);
                    if (!header) {
                        header = new QTableWidgetItem;
                        table->setHorizontalHeaderItem(index, header);
                    }
                    header->setText(caption);
                }
                ++set;
            }
            int width = 0;
            if (LanguageFile::intAttribute(e, QStringLiteral("Width"), &width) && width >= 0) {
                tree ? tree->setColumnWidth(index, width) : table->setColumnWidth(index, width);
                ++set;
            }
        }
        return set;
    }

    static int applyFont(QObject *object, const QDomElement &element)
    {
        auto *widget = qobject_cast<QWidget *>(object);
        auto *action = qobject_cast<QAction *>(object);
        if (!widget && !action)
            return 0;
        QFont font = widget ? widget->font() : action->font();
        int set = 0;
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            const QDomAttr a = attributes.item(i).toAttr();
            if (applyFontPart(&font, a.name(), a.value()))
                ++set;
        }
        for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (applyFontPart(&font, e.tagName(), e.text()))
                ++set;
        }
        if (set > 0)
            widget ? widget->setFont(font) : action->setFont(font);
        return set;
    }

    QWidget *m_window;
    QHash<QString, QObject *> m_components;
    int m_set = 0;
};

} // namespace

bool WidgetLanguageApplier::setHint(QObject *object, const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString shortHint = bar < 0 ? hint : hint.left(bar);
    const QString longHint = bar < 0 ? hint : hint.mid(bar + 1);
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setToolTip(shortHint);
        action->setStatusTip(longHint);
        return true;
    }
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setToolTip(shortHint);
        widget->setStatusTip(longHint);
        return true;
    }
    return false;
}

int WidgetLanguageApplier::applyWindow(QWidget *window, const QDomElement &element)
{
    if (!window || element.isNull())
        return 0;
    Walker walker(window);
    walker.applyElement(window, element);
    return walker.set();
}

int WidgetLanguageApplier::apply(const LanguageFile &file, const QList<QWidget *> &windows)
{
    if (!file.isLoaded())
        return 0;
    int set = 0;
    for (QDomElement e = file.root().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        for (QWidget *window : windows) {
            if (window && LanguageFile::sameName(window->objectName(), e.tagName())) {
                set += applyWindow(window, e);
                break;
            }
        }
    }
    return set;
}

void WidgetLanguageApplier::attach(QWidget *window, const LanguageCatalog &catalog)
{
    if (!window)
        return;
    const auto speak = [window, &catalog] { apply(catalog.file(), {window}); };
    speak();
    QObject::connect(&catalog, &LanguageCatalog::changed, window, speak);
}
