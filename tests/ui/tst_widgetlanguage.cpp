#include "common/NameTables.h"
#include "lineup/Board.h"
#include "shell/LanguageCatalog.h"
#include "shell/LanguageFile.h"
#include "common/Vocabulary.h"
#include "shell/ui/WidgetLanguageApplier.h"
#include "support/ProgramFolder.h"
#include "support/Files.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

// A small main window laid out the way the program's windows are: components nested in pages,
// frames and group boxes, actions owned by the window, menus owned by the menu bar.
struct MiniWindows {
    std::unique_ptr<QMainWindow> form = std::make_unique<QMainWindow>();
    std::unique_ptr<QDialog> trial = std::make_unique<QDialog>();
    QMenu *fichier = nullptr;
    QAction *quitter = nullptr;
    QTabWidget *pages = nullptr;
    QWidget *tabEquipe = nullptr, *tabSetup = nullptr;
    QGroupBox *gbOptions = nullptr, *rgdisposition = nullptr;
    QPushButton *bClear = nullptr;
    QLabel *lMethode = nullptr, *lForce1 = nullptr, *lBestPosLabel = nullptr;
    QComboBox *cbOrdreCalc = nullptr;
    QTabBar *tabDispo = nullptr;
    QTreeWidget *liste = nullptr;
    QLineEdit *eUser = nullptr;
    QPlainTextEdit *memo = nullptr;
    QList<QRadioButton *> radios;

    MiniWindows()
    {
        form->setObjectName("Form1");
        form->setWindowTitle("Squadwright");
        fichier = form->menuBar()->addMenu("&Fichier");
        fichier->setObjectName("Fichier1");
        quitter = new QAction("&Quitter", form.get());
        quitter->setObjectName("quitter");
        fichier->addAction(quitter);

        pages = new QTabWidget;
        pages->setObjectName("PageControl");
        form->setCentralWidget(pages);
        tabEquipe = new QWidget;
        tabEquipe->setObjectName("TabEquipe");
        tabSetup = new QWidget;
        tabSetup->setObjectName("TabSetup");
        pages->addTab(tabEquipe, "Equipe");
        pages->addTab(tabSetup, QString::fromUtf8("Paramètres de calcul"));

        auto *equipe = new QVBoxLayout(tabEquipe);
        bClear = new QPushButton("&Clear");
        bClear->setObjectName("bClear");
        lForce1 = new QLabel(QString::fromUtf8("Force équipe :"));
        lForce1->setObjectName("LForce1");
        liste = new QTreeWidget;
        liste->setObjectName("ListeJoueurs");
        liste->setHeaderLabels({"Nom", "Age", "Id"});
        liste->addTopLevelItem(new QTreeWidgetItem(QStringList{"Dupont", "23", "101"}));
        auto *second = new QTreeWidgetItem(QStringList{"Martin", "25", "102"});
        second->addChild(new QTreeWidgetItem(QStringList{"child"}));
        liste->addTopLevelItem(second);
        equipe->addWidget(bClear);
        equipe->addWidget(lForce1);
        equipe->addWidget(liste);

        auto *setup = new QVBoxLayout(tabSetup);
        gbOptions = new QGroupBox("Options");
        gbOptions->setObjectName("gbOptions");
        auto *frame = new QFrame;
        auto *options = new QVBoxLayout(gbOptions);
        options->addWidget(frame);
        auto *inner = new QVBoxLayout(frame);
        lMethode = new QLabel(QString::fromUtf8("Méthode"));
        lMethode->setObjectName("LMethode");
        cbOrdreCalc = new QComboBox;
        cbOrdreCalc->setObjectName("cbOrdreCalc");
        cbOrdreCalc->addItems({"DEF-MID-ATT", "DEF-ATT-MID", "ATT-MID-DEF", "ATT-DEF-MID", "MID-ATT-DEF",
                               "MID-DEF-ATT"});
        cbOrdreCalc->setCurrentIndex(1);
        eUser = new QLineEdit;
        eUser->setObjectName("EUser");
        memo = new QPlainTextEdit("first\nsecond\nthird");
        memo->setObjectName("MemoNotes");
        inner->addWidget(lMethode);
        inner->addWidget(cbOrdreCalc);
        inner->addWidget(eUser);
        inner->addWidget(memo);
        tabDispo = new QTabBar;
        tabDispo->setObjectName("TabDispo");
        tabDispo->addTab("Normal");
        tabDispo->addTab("Asym WB");
        tabDispo->addTab("Asym W");
        rgdisposition = new QGroupBox("Disposition");
        rgdisposition->setObjectName("rgdisposition");
        auto *radioLayout = new QVBoxLayout(rgdisposition);
        for (const char *text : {"4-4-2", "4-3-3", "5-3-2"}) {
            radios.append(new QRadioButton(text));
            radioLayout->addWidget(radios.last());
        }
        setup->addWidget(gbOptions);
        setup->addWidget(tabDispo);
        setup->addWidget(rgdisposition);

        trial->setObjectName("FPlayerTest");
        trial->setWindowTitle("Essais");
        lBestPosLabel = new QLabel("Meilleure posistion :", trial.get());
        lBestPosLabel->setObjectName("LBestPosLabel");
    }

    QList<QWidget *> windows() const { return {form.get(), trial.get()}; }
    void attach(const LanguageCatalog &catalog) const
    {
        for (QWidget *window : windows())
            WidgetLanguageApplier::attach(window, catalog);
    }
};

const char *const kFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<!--
[langue]
ID=5
-->
<Application>
  <form1 Caption="Lineup tool" Visible="True" Bogus="x">
    <Fichier1 Caption="&amp;File"/>
    <QUITTER Caption="&amp;Quit" Hint="Quit|Ends the program" ShortCut="Ctrl+Q" Unknown="1"/>
    <TabSetup Caption="Settings">
      <gbOptions Caption="Choices"/>
    </TabSetup>
    <bClear Caption="&amp;Empty" Width="abc" Hint="Empties the board"/>
    <LMethode Caption="Line one\nline two" Name="renamed"/>
    <cbOrdreCalc>
      <Items><Item Index="1" Value="D-A-M"/><Item Index="20" Value="beyond"/></Items>
      <CurrentText>MID-DEF-ATT</CurrentText>
    </cbOrdreCalc>
    <rgdisposition Caption="Formation"><Items><![CDATA[A
B
C
D]]></Items></rgdisposition>
    <TabDispo><Tabs><Item Index="2" Value="Asym. W"/><Item Index="3" Value="beyond"/></Tabs></TabDispo>
    <ListeJoueurs>
      <Columns><Column Index="0" Caption="Name" Width="120"/><Column Index="2" Value="ID"/>
               <Column Index="9" Caption="beyond"/></Columns>
      <Items><Item Index="1" Column="1" Value="26"/><Item Index="2" Value="child node"/>
             <Item Index="5" Column="0" Value="beyond"/></Items>
    </ListeJoueurs>
    <LForce1 Visible="False">
      <Font Name="Serif" Size="14" Style="[fsBold,fsItalic]" Color="clRed"/>
    </LForce1>
    <EUser PlaceholderText="user name" objectName="hijack"/>
    <MemoNotes><Lines><L Index="1" Value="2nd\nline"/></Lines></MemoNotes>
    <Variables><V Name="GARDIEN" Value="Keeper"/></Variables>
    <NoSuchComponent Caption="nothing"/>
  </form1>
  <FPlayerTest Caption="Trials">
    <LBestPosLabel><Caption>Best position:</Caption></LBestPosLabel>
  </FPlayerTest>
  <FrmParam Caption="no such window here"/>
</Application>
)";

} // namespace

class TestWidgetLanguage : public QObject {
    Q_OBJECT

private slots:
    void textsReachNestedComponents()
    {
        MiniWindows w;
        LanguageFile file;
        QVERIFY(file.loadFromData(kFile));
        QVERIFY(WidgetLanguageApplier::apply(file, w.windows()) > 0);

        QCOMPARE(w.form->windowTitle(), QStringLiteral("Lineup tool"));
        QVERIFY(!w.form->isVisible()); // a language file never opens a window
        QCOMPARE(w.fichier->title(), QStringLiteral("&File"));
        QCOMPARE(w.quitter->text(), QStringLiteral("&Quit"));
        QCOMPARE(w.quitter->toolTip(), QStringLiteral("Quit"));
        QCOMPARE(w.quitter->statusTip(), QStringLiteral("Ends the program"));
        QCOMPARE(w.quitter->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        // A page's caption is its tab; a component written inside another element in the file
        // is found wherever it sits in the window.
        QCOMPARE(w.pages->tabText(1), QStringLiteral("Settings"));
        QCOMPARE(w.pages->tabText(0), QStringLiteral("Equipe"));
        QCOMPARE(w.gbOptions->title(), QStringLiteral("Choices"));
        QCOMPARE(w.lMethode->text(), QStringLiteral("Line one\nline two"));
        QCOMPARE(w.lMethode->objectName(), QStringLiteral("LMethode"));
        QCOMPARE(w.eUser->objectName(), QStringLiteral("EUser"));
        QCOMPARE(w.eUser->placeholderText(), QStringLiteral("user name"));

        // A hint without the bar is both the tool tip and the status text.
        QCOMPARE(w.bClear->text(), QStringLiteral("&Empty"));
        QCOMPARE(w.bClear->toolTip(), QStringLiteral("Empties the board"));
        QCOMPARE(w.bClear->statusTip(), QStringLiteral("Empties the board"));

        QCOMPARE(w.lBestPosLabel->text(), QStringLiteral("Best position:"));
        QCOMPARE(w.trial->windowTitle(), QStringLiteral("Trials"));
    }

    void listsKeepTheirEntries()
    {
        MiniWindows w;
        QSignalSpy indexChanges(w.cbOrdreCalc, &QComboBox::currentIndexChanged);
        LanguageFile file;
        QVERIFY(file.loadFromData(kFile));
        WidgetLanguageApplier::apply(file, w.windows());

        QCOMPARE(w.cbOrdreCalc->count(), 6);
        QCOMPARE(w.cbOrdreCalc->itemText(1), QStringLiteral("D-A-M"));
        QCOMPARE(w.cbOrdreCalc->currentIndex(), 1);
        QCOMPARE(indexChanges.count(), 0);

        QCOMPARE(w.rgdisposition->title(), QStringLiteral("Formation"));
        QStringList radioTexts;
        for (QRadioButton *r : w.radios)
            radioTexts.append(r->text());
        QCOMPARE(radioTexts, QStringList({"A", "B", "C"}));

        QCOMPARE(w.tabDispo->count(), 3);
        QCOMPARE(w.tabDispo->tabText(2), QStringLiteral("Asym. W"));
        QCOMPARE(w.tabDispo->tabText(1), QStringLiteral("Asym WB"));

        QCOMPARE(w.liste->headerItem()->text(0), QStringLiteral("Name"));
        QCOMPARE(w.liste->headerItem()->text(2), QStringLiteral("ID"));
        QCOMPARE(w.liste->columnWidth(0), 120);
        QCOMPARE(w.liste->columnCount(), 3);
        QCOMPARE(w.liste->topLevelItem(1)->text(1), QStringLiteral("26"));
        QCOMPARE(w.liste->topLevelItem(1)->child(0)->text(0), QStringLiteral("child node"));

        // String lists take no line break conversion.
        QCOMPARE(w.memo->toPlainText(), QStringLiteral("first\n2nd\\nline\nthird"));
    }

    void fontVisibilityAndSkippedAttributes()
    {
        MiniWindows w;
        const int clearWidth = w.bClear->width();
        LanguageFile file;
        QVERIFY(file.loadFromData(kFile));
        WidgetLanguageApplier::apply(file, w.windows());

        QVERIFY(w.lForce1->isHidden());
        QCOMPARE(w.lForce1->font().family(), QStringLiteral("Serif"));
        QCOMPARE(w.lForce1->font().pointSize(), 14);
        QVERIFY(w.lForce1->font().bold());
        QVERIFY(w.lForce1->font().italic());
        // "abc" is no width: only that attribute was skipped.
        QCOMPARE(w.bClear->width(), clearWidth);
        // The vocabulary is the language file's business, not the widgets'.
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Gardien de but"));
    }

    void geometryAndFixedSizes()
    {
        QDialog dialog;
        dialog.setObjectName("FPlayerDetail");
        dialog.setFixedSize(300, 200);
        auto *ok = new QPushButton("&OK", &dialog);
        ok->setObjectName("BOK");
        ok->setGeometry(10, 10, 80, 24);
        LanguageFile file;
        QVERIFY(file.loadFromData("<a><fplayerdetail Width=\"340\" Height=\"-5\">"
                                  "<BOK Left=\"20\" Top=\"30\" Width=\"90\" Enabled=\"False\"/>"
                                  "</fplayerdetail></a>"));
        WidgetLanguageApplier::apply(file, {&dialog});
        QCOMPARE(dialog.minimumSize(), QSize(340, 200));
        QCOMPARE(dialog.maximumSize(), QSize(340, 200));
        QCOMPARE(ok->geometry(), QRect(20, 30, 90, 24));
        QVERIFY(!ok->isEnabled());
    }

    void wholeLanguageChange()
    {
        MiniWindows w;
        Board board;
        QTemporaryDir dir;
        const QString path = dir.filePath("Test.lng");
        TestSupport::writeFile(path, kFile);
        LanguageCatalog catalog;
        w.attach(catalog);
        QVERIFY(catalog.load(path));
        catalog.file().applyBoardItems(board);
        QCOMPARE(vocab("GARDIEN"), QStringLiteral("Keeper"));
        QCOMPARE(board.items("cbOrdreCalc").at(1), QStringLiteral("D-A-M"));
        QCOMPARE(w.quitter->text(), QStringLiteral("&Quit"));
        QCOMPARE(LanguageFile::languageId(path), 5);
    }

    void brokenFileChangesNoWidget_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("malformed") << QByteArray(kFile).left(400);
    }
    void brokenFileChangesNoWidget()
    {
        QFETCH(QByteArray, content);
        MiniWindows w;
        QTemporaryDir dir;
        const QString path = dir.filePath("Broken.lng");
        if (!content.isNull())
            TestSupport::writeFile(path, content);
        LanguageCatalog catalog;
        w.attach(catalog);
        QVERIFY(!catalog.load(path));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Squadwright"));
        QCOMPARE(w.quitter->text(), QStringLiteral("&Quitter"));
        QCOMPARE(w.fichier->title(), QStringLiteral("&Fichier"));
    }

    // The shipped files name only components that exist somewhere in the program; here at least
    // the hand-made window's components take their texts from both, in both directions.
    void shippedFilesSwitchBackAndForth()
    {
        MiniWindows w;
        const QString folder = QStringLiteral(SQW_SAMPLE_DATA_DIR);
        const QString english = LanguageFile::languageFilePath(folder, "English");
        const QString french = LanguageFile::languageFilePath(folder, "Francais");
        // Attached once, the windows follow every change of language.
        LanguageCatalog catalog;
        w.attach(catalog);
        QVERIFY(catalog.load(english));
        QCOMPARE(w.quitter->text(), QStringLiteral("&Quit"));
        QCOMPARE(w.fichier->title(), QStringLiteral("&File"));
        QCOMPARE(w.pages->tabText(0), QStringLiteral("Team"));
        QCOMPARE(w.trial->windowTitle(), QStringLiteral("Trials"));
        QVERIFY(catalog.load(french));
        QCOMPARE(w.quitter->text(), QStringLiteral("&Quitter"));
        QCOMPARE(w.fichier->title(), QStringLiteral("&Fichier"));
        QCOMPARE(w.pages->tabText(1), QString::fromUtf8("Paramètres de calcul"));
        QCOMPARE(w.lBestPosLabel->text(), QStringLiteral("Meilleure position :"));
        QCOMPARE(w.liste->headerItem()->text(0), QStringLiteral("Nom"));
    }
};

QTEST_MAIN(TestWidgetLanguage)
#include "tst_widgetlanguage.moc"
