#include "render/encoder/name_list.h"

#include "render/encoder/mcl_types.h"
#include "render/encoder/song_input.h"

namespace velumo {

void NameList::add(const QString &name, int kind)
{
    m_names.push_back(name);
    if (kind == MclKindVideo)
        ++m_frames;
    else if (kind == MclKindAudio)
        m_samples += probeSongSamples(name);
}

bool NameList::nameAt(int index, QString *name) const
{
    if (index < 0 || size_t(index) >= m_names.size())
        return false;
    *name = m_names[size_t(index)];
    return true;
}

} // namespace velumo
