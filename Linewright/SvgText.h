#pragma once

#include "Linewright/LapPreview.h"

#include <cstdio>
#include <ostream>
#include <string>

// The pieces of SVG text that the pictures of a lap and of laps side by side share.
namespace Linewright::Svg {

inline std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

inline std::string Hex(const Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

inline std::string Escape(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

template <class Points, class ToView>
void WritePolyline(std::ostream& out, const std::string& id, const Points& points, ToView toView,
                   const std::string& style) {
    out << "<polyline id=\"" << id << "\" fill=\"none\" " << style << " points=\"";
    for (const auto& point : points) {
        const PlanePoint view = toView(point);
        out << Number(view.x) << ',' << Number(view.y) << ' ';
    }
    out << "\"/>\n";
}

// The document's opening up to its white background.
inline void WriteSvgStart(std::ostream& out, double width, double height, const std::string& title) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << width << ' ' << height << "\" font-family=\"sans-serif\">\n"
        << "<title>" << Escape(title) << "</title>\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
}

}  // namespace Linewright::Svg
