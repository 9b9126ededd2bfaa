// Who makes and supports this copy of the program: the texts and addresses that the About and
// Technical Support windows show. A deployment sets them when it configures the build (the
// QUILLON_* options of cmake/deployment.cmake); an empty value is one it has not given, and the
// windows leave it out with its caption.
#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

struct Deployment {
    QString makerName;
    QStringList makerAddress; // its lines, none of them empty
    QString makerTelephone;
    QString salesMail;
    QString supportTelephone;
    QString supportMail;
    QString bookWebAddress; // the statistics book that explains every procedure and formula
};

// The values this copy was built with.
const Deployment& builtDeployment();

// The name the desktop knows the program's windows by: its installed menu entry's file name.
QString desktopFileName();

// The About window's notices: the maker's copyright, when the maker is named, and the warranty.
QStringList notices(const Deployment& deployment);

} // namespace quillon
