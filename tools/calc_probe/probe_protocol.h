// The probe's line protocol: one command in, one answer out. Used to cross-check the
// calculator core against independent references and to fuzz it from outside.
//   n2t H        H: 16 hex digits, a double's bits   -> hex of number_to_text's bytes
//   t2n H        H: hex of a text's bytes (may be empty) -> 16 hex digits of the double
//   keys T ...   tokens 0-9 . + - * / = CE C BS set:H -> hex display text after each token
// Anything else answers "error: " and a reason.
#pragma once

#include <string>
#include <string_view>

namespace calc_probe {

std::string answer(std::string_view command);

} // namespace calc_probe
