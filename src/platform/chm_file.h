#pragma once
// Reads pages out of a compiled HTML help file (.chm) with chmlib.
#include <QByteArray>
#include <QString>

struct chmFile;

namespace platform {

class ChmFile {
public:
    explicit ChmFile(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool isOpen() const { return handle_ != nullptr; }
    // The bytes of the object at path inside the file ("/0101.htm" or "0101.htm"); false when
    // the file is not open or holds no such object.
    bool read(const QString& objectPath, QByteArray& bytes) const;

private:
    ::chmFile* handle_ = nullptr;
};

} // namespace platform
