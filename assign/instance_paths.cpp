#include "assign/instance_paths.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::instance_paths {

QString root(const ProgramFolder &program)
{
    return program.resolve(u"smxcwjj\\tp_wjj\\tp_wjj\\"_s);
}

QString pictureFolder(const ProgramFolder &program)
{
    return program.resolve(u"smxcwjj\\tp_wjj\\pic\\"_s);
}

QString folder(const ProgramFolder &program, const QString &n)
{
    return program.resolve(u"smxcwjj\\tp_wjj\\tp_wjj\\tp_wjj_"_s + n);
}

QString movie(const ProgramFolder &program, const QString &n, const QString &movieExtension)
{
    return folder(program, n) + u"/w_j_"_s + n + movieExtension;
}

QString slotPhoto(const ProgramFolder &program, const QString &n, const QString &slotName, const QString &photoExtension)
{
    return folder(program, n) + u'/' + slotName + photoExtension;
}

QString closingFolder(const ProgramFolder &program)
{
    return program.resolve(u"smxcwjj\\tp_wjj\\tp_wjj\\tp_wjj_zuihou\\"_s);
}

QString closingMovie(const ProgramFolder &program, const QString &movieExtension)
{
    return closingFolder(program) + u"w_j_zuihou"_s + movieExtension;
}

QString thumbnail(const ProgramFolder &program, int n, const QString &extension)
{
    return program.resolve(u"smxcwjj\\tp_wj\\tp_slt_1\\tp_slt_1_"_s) + QString::number(n) + extension;
}

} // namespace velumo::instance_paths
