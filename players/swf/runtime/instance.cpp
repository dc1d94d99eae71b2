#include "players/swf/runtime/instance.h"

#include <algorithm>
#include <cctype>

namespace velumo::swf {

namespace {

bool sameName(const std::string &a, const std::string &b, bool caseSensitive)
{
    if (caseSensitive)
        return a == b;
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

Instance *Instance::childNamed(const std::string &childName, bool caseSensitive) const
{
    for (const auto &[depthKey, child] : children) {
        if (!child->name.empty() && sameName(child->name, childName, caseSensitive))
            return child.get();
    }
    return nullptr;
}

std::string Instance::targetPath() const
{
    if (parent == nullptr)
        return name; // level roots carry their "_levelN" name
    return parent->targetPath() + "." + name;
}

} // namespace velumo::swf
