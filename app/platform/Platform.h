#pragma once

#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace zodiora {

/// Everything the windows ask of the desktop: modal messages, opening web
/// addresses, the save and print dialogs and the clipboard. Windows take a
/// Platform& so tests can record these calls instead of blocking on them.
class Platform {
public:
    enum class Icon { Information, Error };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Platform() = default;

    /// Modal message box titled "Zodiora" with the given text, icon and buttons.
    virtual Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons = Buttons::Ok) = 0;

    /// Opens a web address or local file with the desktop's default handler.
    /// Returns whether the desktop accepted it; callers may ignore it.
    virtual bool openUrl(const QUrl& url) = 0;

    /// Save-file dialog titled `title`; overwrite prompt on; the dialog
    /// appends `defaultSuffix` to a name typed without one. Returns the
    /// chosen path, or an empty string on Cancel.
    virtual QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix) = 0;

    /// The same dialog opened at `startPath` (a folder and a suggested
    /// file name). Platforms that cannot place it open it as above.
    virtual QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix, const QString& startPath)
    {
        (void)startPath;
        return getSaveFileName(parent, title, filter, defaultSuffix);
    }

    /// Print dialog for `printer`; with `selectionChosen` it opens with its
    /// "selection" option chosen. Returns false on Cancel. On acceptance the
    /// printer's print range says whether to print the selection.
    virtual bool execPrintDialog(QWidget* parent, QPrinter& printer, bool selectionChosen) = 0;

    /// Whether the clipboard currently holds content this program put there.
    virtual bool ownsClipboard() = 0;

    /// Empties the system clipboard.
    virtual void clearClipboard() = 0;
};

}  // namespace zodiora
