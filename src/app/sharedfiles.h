#pragma once
// Where the files that ship with the program are found: the seed database (data/seed.db), the
// help documents (help/) and the chart pictures (gr/). In the build tree (or a copied program
// folder) they lie beside the executable; installed, under <prefix>/share/mirte. Qt Core only.

#include <QString>

namespace mirte {

// The id of the desktop entry, the metainfo file and the icon.
QString applicationId();

struct SharedLayout {
    QString dir;        // the folder holding data/, help/ and gr/
    bool installed = false; // found under share/mirte rather than beside the program
};

// Beside the program when its data/seed.db is there; otherwise share/mirte of the prefix the
// program was installed to, when that holds the seed; otherwise beside the program.
SharedLayout sharedLayout(const QString &programDir);

// The shared folder of an installed program, relative to its bin folder ("../share/mirte").
QString installedSharedRelative();

// The layout of the running program.
SharedLayout sharedLayout();
QString sharedDir();
// A shipped file or folder by its name relative to the shared folder ("help", "gr/40w.bmp").
QString sharedFile(const QString &relative);

// Names the application (and so the user's data folder) the same way for every start.
void nameApplication();

} // namespace mirte
