#pragma once
#include <QDomElement>
#include <QList>
#include <QString>

class Board;
class LanguageCatalog;
class LanguageFile;
class QObject;
class QWidget;

// Puts a language file's texts on the program's windows. A window element ("Form1",
// "FPlayerDetail", ...) is matched with a top-level window by objectName without regard to case.
// Inside it, a child element names a component of the window: any object below the window
// (widget, action, menu) with that objectName, first match, whatever its visual nesting — or,
// when there is none, a property of the element's object.
//
// The property names language files use are mapped onto the widgets:
//   Caption   action text, menu title, group box title, button/label text, the tab text of a
//             tab widget's page, a window's title
//   Hint      tool tip and status tip ("short|long": tool tip short, status tip long)
//   Text      line edit, text edit, label, button, action, editable combo box
//   Items     combo box, list widget, radio group (its radio buttons in creation order),
//             tree widget (children with Index, Column, Value; without Column: the nodes)
//   Lines     a label's or text edit's lines        Tabs     tab texts of a tab bar or tab widget
//   Columns   tree/table header: children with Index and Value (or Caption) and Width
//   Font      Name, Size, Height, Style ("[fsBold,fsItalic]") as attributes or child elements
//   Width, Height, Left, Top (integers), ShortCut ("Ctrl+C"), Visible, Enabled (True/False)
// and any other writable text property of the object under its Qt name. Text properties take
// the line break conversion (backslash-n), string lists do not. An attribute naming no property
// is skipped, an error on one attribute skips only that one, and the name is never changed.
// Item lists keep their number of entries: the program works on entry numbers.
class WidgetLanguageApplier {
public:
    // Applies every window element of the file to the matching window. Returns the number of
    // properties set.
    static int apply(const LanguageFile &file, const QList<QWidget *> &windows);
    // One window from one element.
    static int applyWindow(QWidget *window, const QDomElement &element);

    // The window speaks the catalog's language from now on: its texts now, when a language is
    // loaded, and again at every change of language while the window lives.
    static void attach(QWidget *window, const LanguageCatalog &catalog);


    // A hint "short|long": the short part becomes the tool tip, the long part the status bar
    // text; a hint without the bar is both. False when the object is neither action nor widget.
    static bool setHint(QObject *object, const QString &hint);

};
