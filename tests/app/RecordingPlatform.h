#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "app/platform/Platform.h"

namespace zodiora::test {

/// Records what the windows ask of the desktop and answers from a script,
/// so GUI tests never block on a real dialog.
class RecordingPlatform final : public Platform {
public:
    struct Message {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    QList<Message> messages;
    QList<QUrl> openedUrls;
    QStringList saveDialogTitles;
    QStringList saveDialogFilters;
    QStringList saveDialogSuffixes;
    QStringList saveDialogStartPaths;      ///< one per dialog opened at a start path
    QList<bool> printDialogSelectionFlags;

    Answer nextAnswer = Answer::Yes;       ///< returned for Yes/No questions
    QString nextSavePath;                  ///< empty: the user cancels
    bool acceptPrintDialog = false;
    bool clipboardOwned = false;
    int clipboardClears = 0;

    Answer showMessage(QWidget*, const QString& text, Icon icon, Buttons buttons) override
    {
        messages.append({text, icon, buttons});
        return buttons == Buttons::Ok ? Answer::Ok : nextAnswer;
    }
    bool openUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return true;
    }
    QString getSaveFileName(QWidget*, const QString& title, const QString& filter,
                            const QString& defaultSuffix) override
    {
        saveDialogTitles.append(title);
        saveDialogFilters.append(filter);
        saveDialogSuffixes.append(defaultSuffix);
        return nextSavePath;
    }
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix, const QString& startPath) override
    {
        saveDialogStartPaths.append(startPath);
        return getSaveFileName(parent, title, filter, defaultSuffix);
    }
    bool execPrintDialog(QWidget*, QPrinter&, bool selectionChosen) override
    {
        printDialogSelectionFlags.append(selectionChosen);
        return acceptPrintDialog;
    }
    bool ownsClipboard() override { return clipboardOwned; }
    void clearClipboard() override
    {
        ++clipboardClears;
        clipboardOwned = false;
    }
};

}  // namespace zodiora::test
