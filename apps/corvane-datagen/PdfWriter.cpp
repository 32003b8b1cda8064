#include "PdfWriter.h"

#include "TextFormat.h"
#include "util/Codepage.h"

namespace corvane {

namespace {

std::string N(double v) {
    return FixedText(v, 2);
}

std::string Escaped(std::string_view utf8) {
    const std::string bytes = Utf8ToCp1252(utf8);
    std::string out;
    for (char c : bytes) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

} // namespace

void TPdfWriter::Text(double x, double y, double size, bool bold, std::string_view text) {
    content_ += "BT /" + std::string(bold ? "F2" : "F1") + " " + N(size) + " Tf " + N(x) + " " +
                N(y) + " Td (" + Escaped(text) + ") Tj ET\n";
}

void TPdfWriter::Line(double x1, double y1, double x2, double y2, double width) {
    content_ += N(width) + " w " + N(x1) + " " + N(y1) + " m " + N(x2) + " " + N(y2) + " l S\n";
}

void TPdfWriter::Rectangle(double x, double y, double w, double h, double width) {
    content_ += N(width) + " w " + N(x) + " " + N(y) + " " + N(w) + " " + N(h) + " re S\n";
}

void TPdfWriter::Path(const std::vector<std::pair<double, double>>& points, bool closed,
                      double width, double fillGrey) {
    if (points.empty()) return;
    content_ += N(width) + " w ";
    if (fillGrey >= 0) content_ += N(fillGrey) + " g ";
    for (std::size_t i = 0; i < points.size(); ++i)
        content_ += N(points[i].first) + " " + N(points[i].second) + (i == 0 ? " m " : " l ");
    if (closed) content_ += "h ";
    content_ += fillGrey >= 0 ? "B 0 g\n" : "S\n";
}

std::string TPdfWriter::Finish() const {
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + N(kWidth) + " " + N(kHeight) +
            "] /Resources << /Font << /F1 4 0 R /F2 5 0 R >> >> /Contents 6 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>",
        "<< /Length " + std::to_string(content_.size()) + " >>\nstream\n" + content_ + "endstream",
    };
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets)
        out += ZeroPadded(static_cast<std::int64_t>(offset), 10) + " 00000 n \n";
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

} // namespace corvane
