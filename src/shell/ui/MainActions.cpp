#include "shell/ui/MainActions.h"

#include "platform/ProgramPaths.h"
#include "shell/ui/WidgetLanguageApplier.h"

#include <QAction>
#include <QFile>
#include <QList>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

MainActions MainActions::create(QMainWindow *window, const ProgramPaths &paths)
{
    enum Menu { Fichier, Internet, Action, Options, Aide };
    static const struct {
        const char *name;
        const char *title;
    } kMenus[] = {{"Fichier1", "&Fichier"}, {"Internet1", "&Internet"}, {"Action1", "A&ction"},
                  {"Options1", "&Options"}, {"Aide1", "&Aide"}};
    constexpr int kNoGroup = -1;
    struct Row {
        const char *name;
        const char *caption;
        const char *hint;
        Menu menu;
        bool separatorBefore; // in the menu
        int toolGroup;        // tool bar groups stand apart, in their order
        QAction *MainActions::*member;
    };
    static const Row kRows[] = {
        {"quitter", "&Quitter", "", Fichier, true, 0, &MainActions::quitter},
        {"download", "&Télécharger fichier KDX", "Télécharger fichier KDX|téléchargement fichier KDX", Internet, false,
         0, &MainActions::download},
        {"Calcule", "Calcule", "calcule la meilleure équipe", Action, false, 2, &MainActions::calcule},
        {"Optimum", "Composition optimale", "la composition d'évaluation la plus haute, prouvée", Action, false, 2,
         &MainActions::optimum},
        {"Tactiques", "Comparer les &tactiques", "la composition optimale de chaque tactique", Action, false,
         kNoGroup, &MainActions::tactics},
        {"Profondeur", "Profondeur de l'&effectif", "ce que coûte chaque absence", Action,
         false, kNoGroup, &MainActions::depth},
        {"Test", "Tests", "", Action, false, 2, &MainActions::test},
        {"RechargeCompoXML", "&Recharge XML", "", Action, false, kNoGroup, &MainActions::recharge},
        // triggered (not toggled): the start-up's own setting of the check mark stores nothing.
        {"OnTop", "Toujours &Visible", "", Options, false, kNoGroup, &MainActions::onTop},
        {"Parameters", "&Paramètres", "", Options, true, 1, &MainActions::parameters},
        {"Apropos", "A &Propos de...", "A propos de ...|A Propos de...", Aide, false, 3, &MainActions::apropos},
        {"Check_Updates", "Rechercher les mises à &jour", "Rechercher les mises à jour", Aide, false, 3,
         &MainActions::checkUpdates},
        {"DocVelmorra", "Doc. Velmorra", "", Aide, false, 3, &MainActions::docVelmorra},
    };

    MainActions actions;
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *menus[std::size(kMenus)] = {};
    QList<QAction *> groups[4];
    for (const Row &row : kRows) {
        auto *action = new QAction(QString::fromUtf8(row.caption), window);
        action->setObjectName(QLatin1String(row.name));
        if (*row.hint)
            WidgetLanguageApplier::setHint(action, QString::fromUtf8(row.hint));
        // A missing picture leaves the button without an icon; the tool tip still names it.
        const QString icon = paths.resourcePath(QStringLiteral("img/tb_%1.png").arg(QLatin1String(row.name)));
        if (QFile::exists(icon))
            action->setIcon(QIcon(icon));
        actions.*row.member = action;

        QMenu *&menu = menus[row.menu];
        if (!menu) {
            menu = bar->addMenu(QString::fromUtf8(kMenus[row.menu].title));
            menu->setObjectName(QLatin1String(kMenus[row.menu].name));
        }
        if (row.separatorBefore)
            menu->addSeparator();
        menu->addAction(action);
        if (row.toolGroup != kNoGroup)
            groups[row.toolGroup] << action;
    }
    actions.onTop->setCheckable(true);
    QAction *calcule = actions.calcule;
    QAction *optimum = actions.optimum;
    QObject::connect(calcule, &QAction::changed, optimum, [calcule, optimum] { optimum->setEnabled(calcule->isEnabled()); });
    for (QAction *assistant : {actions.tactics, actions.depth})
        QObject::connect(calcule, &QAction::changed, assistant,
                         [calcule, assistant] { assistant->setEnabled(calcule->isEnabled()); });

    auto *toolBar = new QToolBar(window);
    toolBar->setObjectName(QStringLiteral("ActionToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->setIconSize(QSize(20, 20));
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const QList<QAction *> &group : groups) {
        if (!toolBar->actions().isEmpty())
            toolBar->addSeparator();
        toolBar->addActions(group);
    }
    window->addToolBar(Qt::TopToolBarArea, toolBar);
    window->setContextMenuPolicy(Qt::NoContextMenu);
    return actions;
}
