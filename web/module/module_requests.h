// What the web page asks of the calculations, as JSON text in and JSON text out, so that one small
// pair of functions is all the WebAssembly module exports. Plain C++: the native build compiles the
// same code, and the tests compare the two builds' answers character for character.
#pragma once

#include <string>
#include <string_view>

namespace quillon::web {

// Every calculation in the order of the menu, as a JSON array: its names, title, menu place, help
// pages and layout, then its questions (a calculation asked through boxes) or its data sheet
// (instruction, column headings, options), the results it publishes, and whether it has a report
// and a figure.
std::string catalogueJson();

// One evaluation. The request is a JSON object:
//   {"name": a readable or a window name in any case,
//    "values": the box texts in question order                        (boxes), or
//    "rows": [[cell texts], ...], "options": {"key": text or boolean} (a data sheet),
//    "report": {"level": percent, "exponent": boolean} or true   (optional),
//    "figure": {"width": pixels, "height": pixels, "dark": boolean} (optional)}
// The answer is a JSON object with the keys the terminal's JSON uses: "name", "window", "inputs",
// then "answer" (its whole text, LF line breaks) with "table", "clipboard", "beep",
// "yatesSwitchedOn", "quantities" and "report"; or "refusal" {"box", "question"} / {"option"} /
// {"row", "column", "heading"} with "message" and "reason"; or "error" (an arithmetic error's
// message). With "figure" asked, an answer adds "figure" (the SVG text) or "figureProblem" (why
// there is none). A request that cannot be carried out gives {"problem": why}.
std::string answerRequest(std::string_view request);

// The start page's search: {"text": what was typed} gives the readable names of the matching
// calculations, best first.
std::string searchRequest(std::string_view request);

// A block pasted into a data sheet: {"name", "row", "column", "text"} gives {"cells": [{"row",
// "column", "text"}, ...], "notice": what is said of a first line of headings left out,
// "message": the "Error" text for values beyond the sheet} (each empty when there is none).
std::string pasteRequest(std::string_view request);

} // namespace quillon::web
