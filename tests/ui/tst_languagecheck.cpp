// Every window of the program in each shipped language, on the offscreen platform: no text a
// user reads belongs to the other language, and both language files give the same entries.
#include "evaluation/ui/RosterListView.h"
#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "online/ui/TFrmConnect.h"
#include "settings/IniFile.h"
#include "shell/ui/TForm1.h"
#include "support/FakeGameServer.h"
#include "support/Files.h"
#include "support/ProgramFolder.h"
#include "support/VocabularyInspector.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDomDocument>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QString shippedFile(const QString &language)
{
    return QStringLiteral(SQW_SAMPLE_DATA_DIR "/lng/") + language + QStringLiteral(".lng");
}

QDomDocument parsed(const QString &language)
{
    QFile file(shippedFile(language));
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        qWarning("cannot read %s", qPrintable(file.fileName()));
    return doc;
}

// A text as the user reads it: no mnemonic ampersands, "\n" a line break, no outer blanks.
QString readable(QString text)
{
    text.replace(QLatin1String("\\n"), QLatin1String("\n")).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return text.trimmed();
}

// The texts of a language file: fixed texts, and texts with %1… as patterns of what they become.
struct FileTexts {
    QSet<QString> fixed;
    QList<QRegularExpression> patterns;
    QStringList patternSources;

    explicit FileTexts(const QString &language)
    {
        const QDomDocument doc = parsed(language);
        std::function<void(const QDomElement &)> walk = [&](const QDomElement &e) {
            const QDomNamedNodeMap attributes = e.attributes();
            for (int i = 0; i < attributes.count(); ++i) {
                const QDomAttr a = attributes.item(i).toAttr();
                const QString name = a.name().toLower();
                if (name == QLatin1String("caption") || name == QLatin1String("value"))
                    add(a.value());
                else if (name == QLatin1String("hint"))
                    for (const QString &part : a.value().split(QLatin1Char('|')))
                        add(part);
            }
            for (QDomNode n = e.firstChild(); !n.isNull(); n = n.nextSibling()) {
                if (n.isCDATASection())
                    for (const QString &line : n.toCDATASection().data().split(QLatin1Char('\n')))
                        add(line);
                else if (n.isElement())
                    walk(n.toElement());
            }
        };
        walk(doc.documentElement());
    }
    void add(const QString &raw)
    {
        const QString text = readable(raw);
        if (!text.contains(QRegularExpression(QStringLiteral("\\p{L}"))))
            return;
        if (!text.contains(QRegularExpression(QStringLiteral("%\\d")))) {
            fixed.insert(text);
            for (const QString &line : text.split(QLatin1Char('\n')))
                fixed.insert(line.trimmed());
            return;
        }
        // A pattern says little when its own words are few ("%1: %2").
        QString words = text;
        words.remove(QRegularExpression(QStringLiteral("%\\d")));
        if (words.count(QRegularExpression(QStringLiteral("\\p{L}"))) < 5)
            return;
        QStringList parts = text.split(QRegularExpression(QStringLiteral("%\\d")));
        for (QString &part : parts)
            part = QRegularExpression::escape(part);
        const QString regex = parts.join(QStringLiteral(".*"));
        patterns.append(QRegularExpression(QRegularExpression::anchoredPattern(regex),
                                           QRegularExpression::DotMatchesEverythingOption));
        patternSources.append(text);
    }
    bool has(const QString &text) const
    {
        if (fixed.contains(text))
            return true;
        for (const QRegularExpression &p : patterns)
            if (p.match(text).hasMatch())
                return true;
        return false;
    }
    // The text of this file the shown text is, when the other file does not have it.
    QString onlyHere(const QString &text, const FileTexts &other) const
    {
        if (other.has(text))
            return {};
        if (fixed.contains(text))
            return text;
        for (int i = 0; i < patterns.size(); ++i)
            if (patterns.at(i).match(text).hasMatch())
                return patternSources.at(i);
        return {};
    }
};

// Phrases that were seen in the wrong language: what each language must never show, also inside
// longer texts (the read-me, the release notes, messages).
QList<QRegularExpression> foreignPhrases(const QString &language)
{
    const QStringList english = {"Not connected", "Check Updates", "Check for updates", "Login failed",
                                 "Trying to connect", "Connected to", "Connexion to", "disconnected",
                                 "Options > Settings", "the server refused", "Couldn't download"};
    const QStringList french = {"Non connecté", "Attaquant vers l'aile", "Tentative de connexion", "Connecté à",
                                "déconnecté", "mal formé", "Options > Paramètres", "Échec", "Erreur"};
    QList<QRegularExpression> out;
    for (const QString &phrase : language == QLatin1String("English") ? french : english)
        out.append(QRegularExpression(QRegularExpression::escape(phrase)));
    // The connection dialog's caption; the online step text "Connexion to Velmorra" is the
    // English interface's own.
    if (language == QLatin1String("English"))
        out.append(QRegularExpression(QStringLiteral("^Connexion(?! to Velmorra)")));
    return out;
}

struct Seen {
    QString where; // window / object
    QString text;
};

// Every text the user can read in a window: titles, captions, items, headers, hints.
void collect(QWidget *window, QList<Seen> *out)
{
    auto put = [&](const QObject *object, const QString &text) {
        QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
        plain = readable(plain);
        const QWidget *widget = qobject_cast<const QWidget *>(object);
        if (!widget)
            widget = qobject_cast<const QWidget *>(object->parent());
        const QWidget *owner = widget ? widget->window() : window;
        if (!plain.isEmpty())
            out->append({owner->objectName() + QLatin1Char('/') + object->objectName() + QLatin1Char('(')
                             + QLatin1String(object->metaObject()->className()) + QLatin1Char(')'),
                         plain});
    };
    put(window, window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        put(w, w->toolTip());
        put(w, w->statusTip());
        if (auto *label = qobject_cast<QLabel *>(w))
            put(w, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            put(w, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            put(w, group->title());
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            put(w, edit->placeholderText());
        else if (auto *menu = qobject_cast<QMenu *>(w))
            put(w, menu->title());
        else if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                put(w, tabs->tabText(i));
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                put(w, combo->itemText(i));
        else if (auto *text = qobject_cast<QTextEdit *>(w))
            put(w, text->toPlainText());
        else if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
            put(w, plain->toPlainText());
        else if (auto *message = qobject_cast<QMessageBox *>(w))
            put(w, message->informativeText());
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                put(w, model->headerData(c, Qt::Horizontal).toString());
            std::function<void(const QModelIndex &)> rows = [&](const QModelIndex &parent) {
                for (int r = 0; r < model->rowCount(parent); ++r)
                    for (int c = 0; c < model->columnCount(parent); ++c) {
                        const QModelIndex index = model->index(r, c, parent);
                        put(w, index.data(Qt::DisplayRole).toString());
                        put(w, index.data(Qt::ToolTipRole).toString());
                        if (c == 0)
                            rows(index);
                    }
            };
            rows(QModelIndex());
        }
    }
    for (QAction *a : window->findChildren<QAction *>()) {
        put(a, a->text());
        put(a, a->toolTip());
        put(a, a->statusTip());
    }
}

// Element paths with their attribute names, and the vocabulary keys, of a language file.
QSet<QString> entries(const QString &language)
{
    QSet<QString> out;
    std::function<void(const QDomElement &, const QString &)> walk = [&](const QDomElement &e, const QString &path) {
        QString here = path + QLatin1Char('/') + e.tagName().toLower();
        for (const char *key : {"Name", "Index"})
            if (e.hasAttribute(QLatin1String(key)))
                here += QLatin1Char('[') + e.attribute(QLatin1String(key)) + QLatin1Char(']');
        out.insert(here);
        const QDomNamedNodeMap attributes = e.attributes();
        for (int i = 0; i < attributes.count(); ++i)
            out.insert(here + QLatin1Char('@') + attributes.item(i).nodeName().toLower());
        for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            walk(c, here);
    };
    const QDomDocument doc = parsed(language);
    for (QDomElement w = doc.documentElement().firstChildElement(); !w.isNull(); w = w.nextSiblingElement())
        walk(w, QString());
    return out;
}

} // namespace

class TestLanguageCheck : public QObject {
    Q_OBJECT
private slots:
    void bothFilesGiveTheSameEntries()
    {
        const QSet<QString> french = entries(QStringLiteral("Francais"));
        const QSet<QString> english = entries(QStringLiteral("English"));
        QStringList missing;
        for (const QString &e : french - english)
            missing << QStringLiteral("English lacks ") + e;
        for (const QString &e : english - french)
            missing << QStringLiteral("Francais lacks ") + e;
        for (const QString &key : VocabularyInspector::keys())
            if (!french.contains(QStringLiteral("/form1/variables/variable[") + key + QStringLiteral("]@value"))
                || !english.contains(QStringLiteral("/form1/variables/variable[") + key + QStringLiteral("]@value")))
                missing << QStringLiteral("vocabulary key ") + key;
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void everyWindowSpeaksOneLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("startIn");
        QTest::newRow("Francais") << "Francais" << "Francais";
        QTest::newRow("English") << "English" << "English";
        QTest::newRow("Francais after English") << "Francais" << "English";
        QTest::newRow("English after Francais") << "English" << "Francais";
    }
    void everyWindowSpeaksOneLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, startIn);
        const FileTexts own(language);
        const FileTexts other(language == QLatin1String("English") ? QStringLiteral("Francais") : QStringLiteral("English"));
        QVERIFY(!own.fixed.isEmpty() && !other.fixed.isEmpty());

        TestSupport::ProgramFolderCopy folder;
        FakeGameServer server;
        QVERIFY(server.listen());
        server.serveFolder(folder.filePath(QStringLiteral("xml")));
        IniFile ini(folder.filePath(QStringLiteral("SQW.ini")));
        ini.writeString(QStringLiteral("defaut"), QStringLiteral("langue"), startIn);
        ini.writeString(QStringLiteral("online"), QStringLiteral("GameHost"), server.host());
        ini.writeString(QStringLiteral("online"), QStringLiteral("UpdateHost"), server.host());
        ini.writeString(QStringLiteral("user"), QStringLiteral("SecurityPassword"), QString());
        const bool switches = startIn != language;
        if (!switches)
            TestSupport::writeFile(folder.filePath(QStringLiteral("Infos.ctr")), "1"); // the first-run wizard

        // Each window that runs modally is read, then answered: the wizard page by page, the
        // connection dialog once with a wrong code (the refusal's box) and once with the right one.
        QList<Seen> seen;
        TForm1 *form = nullptr;
        int connectRuns = 0;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&] {
            if (form)
                collect(form->statusBar(), &seen); // the session's texts come and go
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal->property("answered").toBool())
                return;
            auto *connectDialog = qobject_cast<TFrmConnect *>(modal);
            if ((connectDialog && !connectDialog->BConnect()->isEnabled()) || modal->property("running").toBool())
                return; // a run is under way
            collect(modal, &seen);
            modal->setProperty("answered", true);
            auto later = [modal](std::function<void()> act) {
                QTimer::singleShot(0, modal, [modal, act] {
                    modal->setProperty("answered", false);
                    act();
                });
            };
            if (modal->objectName() == QLatin1String("FConfiguration")) {
                QAbstractButton *next = modal->findChild<QAbstractButton *>(QStringLiteral("BtnNext"));
                QAbstractButton *cancel = modal->findChild<QAbstractButton *>(QStringLiteral("BtnCancel"));
                later([next, cancel] { (next->isVisible() && next->isEnabled() ? next : cancel)->click(); });
            } else if (connectDialog) {
                const QString code = connectRuns++ == 0 ? QStringLiteral("wrong") : server.code;
                later([connectDialog, code, &server] {
                    connectDialog->EUser()->setText(server.user);
                    connectDialog->EPassword()->setText(code);
                    connectDialog->BConnect()->click();
                });
            } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
                later([dialog] { dialog->reject(); });
            }
        });
        reader.start(20);

        auto owned = std::make_unique<TForm1>(folder.folder());
        owned->setPlayerTestWindow(new TFPlayerTest(owned->model().rosterModel(), owned.get()));
        owned->setPlayerDetailWindow(new TFPlayerDetail(owned->model().rosterModel(),
                                                        owned->model().folder().programPath(QStringLiteral("img/")),
                                                        owned.get()));
        QSignalSpy done(owned.get(), &TForm1::startUpFinished);
        owned->show();
        QVERIFY(done.wait(10000));
        form = owned.get();
        if (switches) {
            // As the settings do: the stored language, then the main window's language load.
            form->model().settings().setLangue(language);
            form->loadLanguage();
        }
        if (startIn != language)
            seen.clear(); // what the wizard said in the first language

        auto *pages = form->findChild<QTabWidget *>(QStringLiteral("PageControl"));
        for (int i = 0; i < pages->count(); ++i)
            pages->setCurrentIndex(i);
        for (const char *name : {"Calcule", "Optimum", "Tactiques", "Profondeur", "Test", "Apropos", "Parameters", "download", "Check_Updates"})
            form->findChild<QAction *>(QLatin1String(name))->trigger();
        emit form->rosterView()->detailRequested(form->model().listRows().value(3));
        QCOMPARE(connectRuns, 2);
        reader.stop();
        collect(form, &seen);
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != form && top->parent() == form)
                collect(top, &seen);

        QStringList wrong;
        const QList<QRegularExpression> phrases = foreignPhrases(language);
        QSet<QString> told;
        for (const Seen &s : seen) {
            QString why = other.onlyHere(s.text, own);
            for (const QRegularExpression &p : phrases)
                if (why.isEmpty() && p.match(s.text).hasMatch())
                    why = p.pattern();
            const QString line = s.where + QStringLiteral(": \"") + s.text.left(160) + QStringLiteral("\" (") + why
                                 + QLatin1Char(')');
            if (!why.isEmpty() && !told.contains(line)) {
                told.insert(line);
                wrong << line;
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("\n") + wrong.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLanguageCheck)
#include "tst_languagecheck.moc"
