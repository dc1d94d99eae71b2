#include "render/encoder/av_failure.h"

extern "C" {
#include <libavutil/error.h>
}

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString avReasonText(int error)
{
    switch (error) {
    case AVERROR(ENOSPC):
    case AVERROR(EFBIG):
    case AVERROR(EDQUOT):
        return u"磁盘空间不足"_s;
    case AVERROR(EACCES):
    case AVERROR(EPERM):
    case AVERROR(EROFS):
        return u"没有写入权限"_s;
    case AVERROR(ENOENT):
    case AVERROR(ENOTDIR):
        return u"文件夹不存在"_s;
    default:
        break;
    }
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return u"错误 %1（%2）"_s.arg(error).arg(QString::fromUtf8(text));
}

void throwCannotCreate(const QString &path, int error)
{
    throw EncoderFailure(MclErrorOutput, u"无法创建输出文件“%1”：%2。"_s.arg(path, avReasonText(error)));
}

void throwCannotWrite(const QString &path, int error)
{
    throw EncoderFailure(MclErrorOutput, u"写入输出文件“%1”失败：%2。"_s.arg(path, avReasonText(error)));
}

void throwEncoderFailure(const QString &what, int error)
{
    throw EncoderFailure(MclErrorEncoder, u"编码器 %1 无法使用：%2。"_s.arg(what, avReasonText(error)));
}

} // namespace velumo
