#include "chm_file.h"

#include <QFile>
#include <chm_lib.h>

namespace platform {

ChmFile::ChmFile(const QString& path) {
    if (QFile::exists(path))
        handle_ = chm_open(QFile::encodeName(path).constData());
}

ChmFile::~ChmFile() {
    if (handle_)
        chm_close(handle_);
}

bool ChmFile::read(const QString& objectPath, QByteArray& bytes) const {
    if (!handle_)
        return false;
    QString path = objectPath;
    if (!path.startsWith('/'))
        path.prepend('/');
    chmUnitInfo info{};
    if (chm_resolve_object(handle_, path.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS)
        return false;
    if (info.length > 64 * 1024 * 1024)
        return false;
    bytes.resize(static_cast<qsizetype>(info.length));
    LONGINT64 got = chm_retrieve_object(handle_, &info, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                        static_cast<LONGINT64>(info.length));
    if (got != static_cast<LONGINT64>(info.length)) {
        bytes.clear();
        return false;
    }
    return true;
}

} // namespace platform
