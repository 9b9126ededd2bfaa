#include "calculations/counts/count_tail_answer.h"

#include "core/number_text.h"

#include <algorithm>
#include <string>

namespace quillon {

template <typename Real>
Answer countTailAnswer(Real count, std::string_view countName, std::string_view tail,
                       Real probability) {
    Answer result;
    // "####0" rather than "#####", which would leave a count of 0 out of the sentence.
    const std::string countText = format(count, "####0");
    result.text = "Probability of " + countText + " or ";
    result.text += tail;
    // The clamp limits are compared in double, as the stored single meets them.
    std::string probabilityText;
    if (probability < 0.0001) {
        probabilityText = "< .0001";
        result.text += probabilityText;
    } else if (probability > 0.9999) {
        probabilityText = "> .9999";
        result.text += probabilityText;
    } else {
        probabilityText = format(probability, kProbabilityPattern);
        result.text += "= " + probabilityText;
        result.clipboard = result.text;
    }
    // Twice a one-sided tail passes 1 where the count lies near the expected one (5 events against
    // 5 sums to 1.23); the clamp text covers it in the answer, and the number is held to 1.
    const double published = std::min(static_cast<double>(probability), 1.0);
    result.quantities = {{std::string(countName), static_cast<double>(count), countText},
                         {"p", published, probabilityText}};
    return result;
}

template Answer countTailAnswer(float, std::string_view, std::string_view, float);
template Answer countTailAnswer(double, std::string_view, std::string_view, double);

} // namespace quillon
