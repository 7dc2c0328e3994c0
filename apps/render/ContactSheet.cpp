#include "ContactSheet.h"

#include "platform/core/TextNumber.h"

#include <cstdio>

std::string ContactSheet::Escape(const std::string& raw)
{
    // Control bytes (C1 included) and invalid UTF-8 shown as \xNN, as on the terminal.
    const std::string text = TextNumber::Escape(raw);
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string ContactSheet::Href(const std::string& file)
{
    std::string out;
    for (char ch : file) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~' || c == '/') {
            out += ch;
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            out += buf;
        }
    }
    return out;
}

std::string ContactSheet::Html(const std::string& title, const std::vector<Station>& stations)
{
    std::string h;
    h.reserve(256 * stations.size() + 2048);
    h += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
         Escape(title) +
         "</title>\n<style>\n"
         "body{font-family:sans-serif;margin:1em;background:#f4f4f4;color:#222}\n"
         "h1{font-size:1.3em}\n"
         ".sheet{display:grid;grid-template-columns:repeat(auto-fill,minmax(220px,1fr));gap:12px}\n"
         "figure{margin:0;padding:6px;background:#fff;border:1px solid #ccc;text-align:center}\n"
         "figure img{width:100%;height:auto;display:block}\n"
         "figcaption{margin-top:4px;font-size:.9em;word-break:break-all}\n"
         ".missing{padding:3em 0;color:#a00}\n"
         ".why{color:#a00}\n"
         "</style>\n</head>\n<body>\n<h1>" +
         Escape(title) + "</h1>\n<p>" + std::to_string(stations.size()) +
         " stations; click a chart to open it.</p>\n<div class=\"sheet\">\n";
    for (const Station& s : stations) {
        const std::string name = Escape(s.name);
        h += "<figure>";
        if (!s.problem.empty()) {
            // Failed in this run: said on the page, with the reason, and no
            // link to a chart an earlier run may have left.
            h += "<div class=\"missing failed\" title=\"" + Escape(s.problem) +
                 "\">failed</div><figcaption>" + name + "<br><small class=\"why\">" + Escape(s.problem) +
                 "</small></figcaption>";
        } else {
            const std::string href = Href(s.file);
            h += "<a href=\"" + href + "\">";
            if (!s.thumb.empty())
                h += "<img src=\"" + Href(s.thumb) + "\" alt=\"" + name +
                     "\" loading=\"lazy\" onerror=\"this.outerHTML='&lt;div class=missing&gt;not drawn&lt;/div&gt;'\">";
            h += "</a><figcaption><a href=\"" + href + "\">" + name + "</a></figcaption>";
        }
        h += "</figure>\n";
    }
    h += "</div>\n</body>\n</html>\n";
    return h;
}
