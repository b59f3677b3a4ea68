#include "core/placement/trigger_names.h"

namespace vexa {

std::vector<std::string> triggerNames(const Pane& trigs)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < trigs.lineCount(); ++i) {
        const std::string line = trigs.line(i);
        if (line.empty() || line.front() == ';')
            continue;
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            names.push_back(line.substr(0, equals));
    }
    return names;
}

} // namespace vexa
