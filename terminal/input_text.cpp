#include "terminal/input_text.h"

#include "terminal/exit_status.h"

namespace quillon::terminal {

WholeText readWholeText(std::istream& in, std::string_view source) {
    WholeText whole;
    std::streambuf* buffer = in.rdbuf();
    char chunk[65536];
    for (;;) {
        const std::streamsize got = buffer->sgetn(chunk, sizeof chunk);
        if (got <= 0)
            break;
        const std::string_view piece(chunk, static_cast<std::size_t>(got));
        if (piece.find('\0') != std::string_view::npos) {
            whole.problem = InputProblem{kExitDataError,
                                         std::string(source) + " is not text: it holds a NUL byte"};
            return whole;
        }
        if (whole.text.size() + piece.size() > kMaxGridBytes) {
            whole.problem = InputProblem{kExitDataError,
                                         std::string(source) + " is larger than " +
                                             std::to_string(kMaxGridBytes >> 20) +
                                             " MiB, far more than a data sheet of 100 rows holds"};
            return whole;
        }
        whole.text.append(piece);
    }
    return whole;
}

LineRead readLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool tooLong = false;
    bool nul = false;
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n')
            break;
        if (c == '\0')
            nul = true;
        if (nul)
            break;
        if (line.size() >= kMaxLineBytes) {
            tooLong = true;
            continue; // the rest of the line is passed over
        }
        line += static_cast<char>(c);
    }
    if (nul)
        return LineRead::HasNul;
    if (!any)
        return LineRead::End;
    return tooLong ? LineRead::TooLong : LineRead::Line;
}

} // namespace quillon::terminal
