#pragma once

#include <QString>

namespace zodiora {

/// Where save dialogs open and what they offer: the folder of the last
/// save (remembered across runs in the program's settings), else the
/// user's Documents folder, with a file name made from the person's name.
class SaveFolder {
public:
    /// The path a save dialog starts at: folder plus `personName` as a file
    /// name with `suffix` ("rtf"); "Zodiora" when the name gives none.
    static QString startPath(const QString& personName, const QString& suffix);

    /// Remembers the folder of `savedPath` for the next dialog.
    static void remember(const QString& savedPath);

    /// The folder the next dialog opens in.
    static QString folder();
};

}  // namespace zodiora
