// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTree.h"

std::vector<int> topicParents(const std::vector<HelpTopic>& topics) {
    std::vector<int> parents;
    parents.reserve(topics.size());
    int currentChapter = 0;
    for (std::size_t index = 0; index < topics.size(); ++index) {
        if (topics[index].level == 0) {
            currentChapter = static_cast<int>(index) + 1;
            parents.push_back(0);
        } else {
            parents.push_back(currentChapter);
        }
    }
    return parents;
}

std::string shownTitle(const std::string& title) {
    return title.substr(0, shownTitleLength);
}

std::string headingText(const std::string& title) {
    return "     " + shownTitle(title);
}

std::string topicStatusText(const std::string& parentTitle, const std::string& title,
                            bool hasParent) {
    if (!hasParent) {
        return shownTitle(title);
    }
    return shownTitle(parentTitle) + " : " + shownTitle(title);
}
