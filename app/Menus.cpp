#include "app/Menus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/AboutDialog.h"
#include "app/Language.h"
#include "app/platform/Platform.h"
#include "app/WebPages.h"

namespace zodiora {

namespace {

void Add(QMenu* menu, QObject* context, const MenuEntry& entry)
{
    QAction* action = menu->addAction(entry.caption);
    action->setObjectName(QLatin1String(entry.objectName));
    QObject::connect(action, &QAction::triggered, context, entry.handler);
}

}  // namespace

QMenu* AddFileMenu(QMenuBar* bar, QObject* context, std::initializer_list<MenuEntry> entries)
{
    QMenu* menu = bar->addMenu(QCoreApplication::translate("zodiora::Menus", "&File"));
    menu->setObjectName(QStringLiteral("fileMenu"));
    for (const MenuEntry& entry : entries) {
        Add(menu, context, entry);
    }
    return menu;
}

QMenu* AddLanguageMenu(QMenuBar* bar, Platform& platform, QWidget* window)
{
    QMenu* menu = bar->addMenu(QCoreApplication::translate("zodiora::Menus", "&Language"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* languages = new QActionGroup(menu);
    // Each language is named in itself, so it can be found whatever the windows speak.
    const std::pair<const char*, vocabulary::Language> choices[] = {{"English", vocabulary::Language::English},
                                                                   {"हिन्दी", vocabulary::Language::Hindi}};
    const vocabulary::Language chosen = ChosenLanguage();
    Platform* const desktop = &platform;
    for (const auto& [caption, language] : choices) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QStringLiteral("language_") + QLatin1String(vocabulary::LanguageCode(language).data(), 2));
        action->setCheckable(true);
        action->setChecked(language == chosen);
        languages->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [desktop, window, language = language] {
            if (language == ChosenLanguage()) return;
            KeepLanguage(language);
            desktop->showMessage(window,
                                 QCoreApplication::translate("zodiora::Menus",
                                                             "The new language is used when Zodiora is started again."),
                                 Platform::Icon::Information);
        });
    }
    menu->addSeparator();
    QMenu* sanskrit = menu->addMenu(QCoreApplication::translate("zodiora::Menus", "&Sanskrit Names"));
    sanskrit->setObjectName(QStringLiteral("sanskritMenu"));
    auto* styles = new QActionGroup(sanskrit);
    const std::pair<QString, vocabulary::Sanskrit> styleChoices[] = {
        {QCoreApplication::translate("zodiora::Menus", "English Names Only"), vocabulary::Sanskrit::Off},
        {QCoreApplication::translate("zodiora::Menus", "Sanskrit Beside English"), vocabulary::Sanskrit::Beside},
        {QCoreApplication::translate("zodiora::Menus", "Sanskrit Instead of English"), vocabulary::Sanskrit::Instead}};
    for (const auto& [caption, style] : styleChoices) {
        QAction* action = sanskrit->addAction(caption);
        action->setCheckable(true);
        action->setChecked(style == ChosenSanskrit());
        styles->addAction(action);
        QObject::connect(action, &QAction::triggered, sanskrit, [style = style] { KeepSanskrit(style); });
    }
    // Sanskrit names stand in for English ones only.
    sanskrit->setEnabled(WindowNameStyle().language == vocabulary::Language::English);
    return menu;
}

QMenu* AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* window)
{
    AddLanguageMenu(bar, platform, window);
    QMenu* menu = bar->addMenu(QCoreApplication::translate("zodiora::Menus", "&Help"));
    menu->setObjectName(QStringLiteral("helpMenu"));
    Platform* const desktop = &platform;
    Add(menu, menu, {"onlineHelpAction", QCoreApplication::translate("zodiora::Menus", "&Online Help"), [desktop] { WebPages(*desktop).openHelp(); }});
    Add(menu, menu, {"visitAction", QCoreApplication::translate("zodiora::Menus", "&Visit Us Online"), [desktop] { WebPages(*desktop).openHome(); }});
    menu->addSeparator();
    Add(menu, menu, {"updateAction", QCoreApplication::translate("zodiora::Menus", "Check for Software &Update"),
                     [desktop] { WebPages(*desktop).openDownload(); }});
    menu->addSeparator();
    Add(menu, menu, {"aboutAction", QCoreApplication::translate("zodiora::Menus", "&About Software"), [desktop, window] {
                         AboutDialog about(*desktop, window);
                         about.exec();
                     }});
    return menu;
}

}  // namespace zodiora
