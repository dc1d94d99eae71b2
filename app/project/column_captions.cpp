#include "app/project/column_captions.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::captions {

QStringList photo()
{
    return {u"序号"_s,           u"位置"_s,           u"文件名"_s,
            u"类型"_s,           u"相片宽度"_s,       u"相片高度"_s,
            u"竖照or横照"_s,     u"模板文件夹"_s,     u"对应主模板编号"_s,
            u"图片名称(测试使用)"_s, u"对应模板所需照片数量"_s, u"图片名称"_s,
            u"模板地址"_s,       u"所需照片_宽度尺寸"_s, u"所需照片_高度尺寸"_s,
            u"模板_相片宽度"_s,  u"模板_相片高度"_s,  u"模板_竖照横照"_s,
            u"模板_相片JPG名称"_s, u"模板swf总帧数"_s, u"suoluotu_wancheng"_s,
            u"jiancai_wancheng"_s};
}

QStringList photoProcessing()
{
    // The batch table lacks only the two stage marks.
    return photo().mid(0, 20);
}

QStringList photoList()
{
    return {u"序号"_s,     u"文件名"_s,   u"类型"_s,     u"相片宽度"_s,
            u"相片高度"_s, u"竖照或横照"_s, u"模板绑定"_s, u"文件位置"_s};
}

QStringList templateCatalogue()
{
    return {u"模板类型"_s, u"模板分类"_s,   u"相片数量"_s, u"相片宽度"_s,
            u"相片高度"_s, u"竖照横照"_s,   u"相片JPG名称"_s, u"位置"_s,
            u"分类标注"_s, u"序号"_s,       u"模板swf总帧数"_s};
}

QStringList templateClass()
{
    QStringList columns = templateCatalogue().mid(0, 10);
    columns << u"横照几张"_s << u"竖照几张"_s << u"模板swf总帧数"_s;
    return columns;
}

QStringList templateCandidate()
{
    // Here column 9 holds the template's catalogue index, not a row number of its own.
    QStringList columns = templateClass();
    columns[9] = u"模板所在序号"_s;
    return columns;
}

QStringList music()
{
    return {u"序号"_s,     u"音乐文件名"_s, u"类型"_s,     u"位置"_s,
            u"音乐时间"_s, u"需要帧数"_s,   u"绑定歌词"_s, u"绑定歌词名称"_s};
}

QStringList musicList()
{
    return {u"序号"_s,     u"音乐文件名"_s,   u"音乐类型"_s,
            u"音乐时间"_s, u"音乐文件位置"_s, u"绑定歌词"_s};
}

QStringList lyric()
{
    return {u"序号"_s,       u"歌词文件名"_s,       u"类型"_s,
            u"位置"_s,       u"绑定音乐"_s,         u"绑定音乐名称"_s,
            u"歌词颜色"_s,   u"歌词颜色(数字)"_s,   u"歌词大小"_s,
            u"歌词字体"_s,   u"歌词粗体"_s,         u"歌词斜体"_s,
            u"歌词下划线"_s, u"歌词左边居中右边"_s, u"歌词上面中间下面"_s};
}

QStringList lyricList()
{
    return {u"序号"_s,     u"歌词文件名"_s, u"歌词类型"_s,     u"歌词文件位置"_s,
            u"绑定音乐"_s, u"歌词颜色"_s,   u"歌词大小"_s,     u"歌词字体"_s,
            u"歌词字体类型"_s, u"歌词左中右"_s, u"歌词上中下"_s};
}

QStringList lrcResult1()
{
    return {u"序号"_s, u"歌词"_s};
}

QStringList lrcResult2()
{
    return {u"序号"_s, u"位置"_s, u"歌词"_s};
}

QStringList lrcResult3()
{
    return {u"位置"_s, u"歌词"_s};
}

QStringList karaoke()
{
    return {u"序号"_s,     u"歌词名称"_s,       u"歌词颜色"_s,       u"渲染颜色"_s,
            u"歌词字体"_s, u"歌词大小"_s,       u"粗体"_s,           u"斜体"_s,
            u"下划线"_s,   u"歌词位置"_s,       u"歌词颜色(数字)"_s, u"渲染颜色(数字)"_s,
            u"简体或繁体"_s};
}

QStringList textEffect()
{
    return {u"文字"_s,     u"开始时间"_s,     u"结束时间"_s,     u"启动"_s,
            u"文字装饰特效"_s, u"x_zhi"_s,    u"y_zhi"_s,        u"文字特效名称"_s,
            u"字体颜色"_s, u"字体名称"_s,     u"字体大小"_s,     u"粗体"_s,
            u"斜体"_s,     u"下划线"_s,       u"字体颜色(数字)"_s};
}

QStringList pictureEffect()
{
    return {u"帧数"_s, u"开始时间"_s, u"结束时间"_s, u"启动"_s, u"图片装饰特效"_s, u"顺序号"_s};
}

QStringList templateUsage()
{
    return {u"序号"_s,         u"模板文件夹"_s,       u"对应主模板编号"_s,
            u"对应模板所需照片数量"_s, u"模板地址"_s, u"模板_竖照横照"_s,
            u"模板_相片JPG名称"_s, u"模板swf总帧数"_s, u"解压后的模板地址"_s};
}

QStringList kscLine()
{
    // The last caption has no closing parenthesis on purpose; keep it as it is.
    return {u"开始时间"_s, u"结束时间"_s,     u"歌词内容"_s,       u"歌词速度"_s,
            u"出现秒数"_s, u"隐去秒数"_s,     u"滚动秒数"_s,       u"A or B"_s,
            u"处理后的歌词"_s, u"查找状态(显示)"_s, u"查找状态(滚动)"_s, u"查找状态(隐去"_s};
}

QStringList kscUnitGrid()
{
    // Column k (1..100) is script line k-1; the caption column has no header of its own.
    QStringList columns{QString()};
    for (int i = 1; i <= 100; ++i)
        columns << QString::number(i);
    return columns;
}

} // namespace velumo::captions
