#include "tests/render/render_fixtures.h"

#include "app/project/photo_columns.h"
#include "app/project/project_model.h"
#include "players/swf/writer/action_assembler.h"
#include "tests/support/jpeg_fixtures.h"
#include "tests/support/temp_tree.h"
#include "players/swf/writer/movie_writer.h"
#include "tools/template_author/composer.h"

#include <QImage>

namespace velumo::test {
namespace {

QByteArray bytesOf(const swf::writer::Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

void addInstance(TempTree &tree, ProjectModel &model, int n, int frames, QColor colour, const QByteArray &movie)
{
    const QString folder = QStringLiteral("smxcwjj/tp_wjj/tp_wjj/tp_wjj_%1/").arg(n);
    if (!movie.isEmpty())
        tree.writeFile(folder + QStringLiteral("w_j_%1.rar").arg(n), movie);
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(colour);
    tree.writeFile(folder + QStringLiteral("picture_1.rar"), encodeJpeg(photo));
    QStringList row(22);
    row[photo_column::kInstance] = QString::number(n);
    row[photo_column::kTotalFrames] = QString::number(frames);
    model.form1.ListView_daoruxiangpian.appendRow(row);
    model.form1.Edit_mobanleijia_sum.setText(QString::number(n));
}

QByteArray slotTemplate(int frames)
{
    author::Composer composer(frames, {QSize(640, 480)});
    composer.photo(1).at(960, 540);
    return bytesOf(composer.finish());
}

QByteArray closingTemplate(int frames, QColor colour)
{
    author::Composer composer(frames, {});
    QImage square(400, 400, QImage::Format_RGB32);
    square.fill(colour);
    author::ImageOptions options;
    options.size = square.size();
    options.lossless = true;
    composer.image(square, options).pivotAt(QPointF(200, 200)).at(960, 540);
    return bytesOf(composer.finish());
}

QByteArray silentMovie(int frames, bool withMarker)
{
    swf::writer::MovieWriter movie;
    movie.setStageSize(1920, 1080);
    swf::writer::ActionAssembler actions;
    if (withMarker)
        actions.push({std::string("l_x_z_f_c"), std::string("l_x_z_f_c_s_y_w_j")}).setVariable();
    actions.stop();
    movie.doAction(actions);
    for (int i = 0; i < frames; ++i)
        movie.showFrame();
    return bytesOf(movie.finish());
}

} // namespace velumo::test
