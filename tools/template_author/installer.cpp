#include "tools/template_author/installer.h"

#include "templates/template_package.h"
#include "tools/template_author/library.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo::author {

namespace {

QByteArray toByteArray(const swf::writer::Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void writeFile(const QString &path, const QByteArray &content)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw InstallError("cannot create the folder of " + path.toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw InstallError("cannot write " + path.toStdString());
}

void emptyFolder(const QString &path)
{
    QDir dir(path);
    if (dir.exists() && !dir.removeRecursively())
        throw InstallError("cannot empty " + path.toStdString());
    if (!QDir().mkpath(path))
        throw InstallError("cannot create " + path.toStdString());
}

} // namespace

int installLibrary(const QString &programFolder)
{
    const QDir program(programFolder);
    const QString parameters = program.filePath(QString::fromLatin1(kParameterFolder));
    const QString movies = program.filePath(QString::fromLatin1(kMovieFolder));
    emptyFolder(parameters);
    emptyFolder(movies);

    const std::vector<TemplateDesign> &library = templateLibrary();
    for (const TemplateDesign &design : library) {
        const QString name = QString::fromStdString(design.file) + u".rar"_s;
        writeFile(parameters + u"/"_s + name, wrapPackage(parameterFile(design)));
        writeFile(movies + u"/"_s + name, wrapPackage(toByteArray(composeMovie(design))));
    }
    writeFile(program.filePath(QString::fromLatin1(kClosingPackage)),
              wrapPackage(toByteArray(composeMovie(closingTemplate()))));
    writeFile(program.filePath(QString::fromLatin1(kProbeMovie)), toByteArray(probeMovie()));
    return int(library.size());
}

} // namespace velumo::author
