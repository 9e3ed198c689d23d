#pragma once

template <class Measure>
std::vector<std::string> WrapText949(std::string_view text, int width, Measure&& measure)
{
    std::vector<std::string> lines;
    std::string line;
    size_t lastSpace = std::string::npos;  // in line
    for (size_t i = 0; i < text.size();) {
        const size_t n = CharLength949(text, i);
        const std::string_view ch = text.substr(i, n);
        i += n;
        if (ch == "\n") {
            lines.push_back(line);
            line.clear();
            lastSpace = std::string::npos;
            continue;
        }
        std::string tried = line;
        tried += ch;
        if (line.empty() || measure(std::string_view(tried)) <= width) {
            if (ch == " ") lastSpace = line.size();
            line = std::move(tried);
            continue;
        }
        if (ch == " ") {
            // A space at the break is dropped.
            lines.push_back(line);
            line.clear();
            lastSpace = std::string::npos;
            continue;
        }
        if (lastSpace != std::string::npos && lastSpace > 0) {
            lines.push_back(line.substr(0, lastSpace));
            line = line.substr(lastSpace + 1);
        } else {
            lines.push_back(line);
            line.clear();
        }
        lastSpace = std::string::npos;
        line += ch;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}
