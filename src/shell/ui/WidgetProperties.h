#pragma once
#include <QString>

class QFont;
class QObject;
class QTabWidget;
class QWidget;

// The single properties a language file sets on a widget, action or menu, by the names the
// files use (see WidgetLanguageApplier). Each returns false when the object has no such
// property; names are compared without regard to case.
namespace WidgetProperties {

bool is(const QString &name, const char *property);
// A text as a language file writes it: backslash-n line breaks, shown as the program shows texts.
QString textValue(const QString &raw);
// False and True, as a number or by name; any other name counts as False.
bool parseBool(const QString &raw);
// The tab widget whose page this widget is, with the page's index; null when it is none.
QTabWidget *tabWidgetOfPage(QWidget *widget, int *index);
// A writable text property under its Qt name (never the object's name or a box's selection).
bool setTextProperty(QObject *object, const QString &name, const QString &value);
bool setCaption(QObject *object, const QString &text);
bool setText(QObject *object, const QString &text);
// Width, Height, Left or Top; a fixed-size widget keeps its size fixed at the new value.
bool setGeometryPart(QObject *object, const QString &name, int value);
bool setShortCut(QObject *object, const QString &raw);
bool setVisibleOrEnabled(QObject *object, const QString &name, bool on);
// Name, Size, Height or Style of a font.
bool applyFontPart(QFont *font, const QString &name, const QString &raw);

} // namespace WidgetProperties
