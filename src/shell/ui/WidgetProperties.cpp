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


namespace WidgetProperties {

bool is(const QString &name, const char *property)
{
    return name.compare(QLatin1String(property), Qt::CaseInsensitive) == 0;
}

QString textValue(const QString &raw)
{
    return displayText(LanguageFile::convertLineBreaks(raw));
}

// A boolean is an enumeration of False and True: a number or one of the two names; any other
// name counts as the first value.
bool parseBool(const QString &raw)
{
    const QString text = raw.trimmed();
    int number = 0;
    if (NumberText::languageFileInteger(text, &number))
        return number != 0;
    return is(text, "True");
}

// The tab widget whose page this widget is, with the page's index.
QTabWidget *tabWidgetOfPage(QWidget *widget, int *index)
{
    QWidget *stack = widget->parentWidget();
    if (!qobject_cast<QStackedWidget *>(stack))
        return nullptr;
    auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget());
    if (!tabs)
        return nullptr;
    const int i = tabs->indexOf(widget);
    if (i < 0)
        return nullptr;
    *index = i;
    return tabs;
}

// A writable property of type QString with this name (any case). The object's name and a
// box's current text (its selection) are not texts to translate.
bool setTextProperty(QObject *object, const QString &name, const QString &value)
{
    if (is(name, "objectName") || is(name, "currentText"))
        return false;
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!is(name, property.name()))
            continue;
        if (!property.isWritable() || property.metaType().id() != QMetaType::QString)
            return false;
        return property.write(object, value);
    }
    return false;
}

bool setCaption(QObject *object, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setText(text);
        return true;
    }
    if (auto *menu = qobject_cast<QMenu *>(object)) {
        menu->setTitle(text);
        return true;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return false;
    int page = -1;
    if (QTabWidget *tabs = tabWidgetOfPage(widget, &page)) {
        tabs->setTabText(page, text);
        return true;
    }
    if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        group->setTitle(text);
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->setText(text);
        return true;
    }
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        label->setText(text);
        return true;
    }
    if (widget->isWindow() || qobject_cast<QDockWidget *>(widget)) {
        widget->setWindowTitle(text);
        return true;
    }
    return setTextProperty(widget, QStringLiteral("text"), text)
        || setTextProperty(widget, QStringLiteral("title"), text);
}

bool setText(QObject *object, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object)) {
        edit->setText(text);
        return true;
    }
    if (auto *edit = qobject_cast<QPlainTextEdit *>(object)) {
        edit->setPlainText(text);
        return true;
    }
    if (auto *edit = qobject_cast<QTextEdit *>(object)) {
        edit->setPlainText(text);
        return true;
    }
    if (auto *box = qobject_cast<QComboBox *>(object)) {
        // A list box's text is its selection, which a language file must not change.
        if (!box->isEditable())
            return false;
        box->setEditText(text);
        return true;
    }
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setText(text);
        return true;
    }
    return setTextProperty(object, QStringLiteral("text"), text);
}

// Width and Height of a fixed-size widget change its fixed size, so that a translation may
// make room for longer texts.
bool setGeometryPart(QObject *object, const QString &name, int value)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return false;
    if (is(name, "Width")) {
        if (value < 0)
            return false;
        if (widget->minimumWidth() == widget->maximumWidth())
            widget->setFixedWidth(value);
        else
            widget->resize(value, widget->height());
    } else if (is(name, "Height")) {
        if (value < 0)
            return false;
        if (widget->minimumHeight() == widget->maximumHeight())
            widget->setFixedHeight(value);
        else
            widget->resize(widget->width(), value);
    } else if (is(name, "Left")) {
        widget->move(value, widget->y());
    } else {
        widget->move(widget->x(), value);
    }
    return true;
}

bool setShortCut(QObject *object, const QString &raw)
{
    const QString text = raw.trimmed();
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (!text.isEmpty() && sequence.isEmpty())
        return false; // not a key combination: skipped
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setShortcut(sequence);
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        button->setShortcut(sequence);
        return true;
    }
    return false;
}

bool setVisibleOrEnabled(QObject *object, const QString &name, bool on)
{
    const bool visible = is(name, "Visible");
    if (auto *action = qobject_cast<QAction *>(object)) {
        visible ? action->setVisible(on) : action->setEnabled(on);
        return true;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return false;
    if (visible) {
        // A language file translates windows; it never opens or closes one.
        if (widget->isWindow())
            return false;
        widget->setVisible(on);
    } else {
        widget->setEnabled(on);
    }
    return true;
}

// ---- font ----

bool applyFontPart(QFont *font, const QString &name, const QString &raw)
{
    int number = 0;
    if (is(name, "Name")) {
        if (raw.trimmed().isEmpty())
            return false;
        font->setFamily(raw.trimmed());
        return true;
    }
    if (is(name, "Size")) {
        if (!NumberText::languageFileInteger(raw, &number) || number <= 0)
            return false;
        font->setPointSize(number);
        return true;
    }
    if (is(name, "Height")) {
        // Negative heights are character heights, positive ones cell heights: both in pixels.
        if (!NumberText::languageFileInteger(raw, &number) || number == 0)
            return false;
        font->setPixelSize(qAbs(number));
        return true;
    }
    if (is(name, "Style")) {
        QString set = raw.trimmed();
        if (set.startsWith(QLatin1Char('[')) && set.endsWith(QLatin1Char(']')))
            set = set.mid(1, set.size() - 2);
        bool bold = false, italic = false, underline = false, strikeOut = false;
        for (const QString &part : set.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString style = part.trimmed();
            if (is(style, "fsBold"))
                bold = true;
            else if (is(style, "fsItalic"))
                italic = true;
            else if (is(style, "fsUnderline"))
                underline = true;
            else if (is(style, "fsStrikeOut"))
                strikeOut = true;
            else
                return false; // not a style: the whole set is refused
        }
        font->setBold(bold);
        font->setItalic(italic);
        font->setUnderline(underline);
        font->setStrikeOut(strikeOut);
        return true;
    }
    return false;
}

} // namespace WidgetProperties
