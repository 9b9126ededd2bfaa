#include "calculations/counts/count_tail_answer.h"

#include "core/number_text.h"

#include <string>

namespace quillon {

template <typename Real>
Answer countTailAnswer(Real count, std::string_view tail, Real probability) {
    Answer result;
    // "####0" rather than "#####", which would leave a count of 0 out of the sentence.
    result.text = "Probability of " + format(count, "####0") + " or ";
    result.text += tail;
    // The clamp limits are compared in double, as the stored single meets them.
    if (probability < 0.0001) {
        result.text += "< .0001";
    } else if (probability > 0.9999) {
        result.text += "> .9999";
    } else {
        result.text += "= " + format(probability, kProbabilityPattern);
        result.clipboard = result.text;
    }
    return result;
}

template Answer countTailAnswer(float, std::string_view, float);
template Answer countTailAnswer(double, std::string_view, double);

} // namespace quillon
