#include "calculations/counts/count_tail_answer.h"

#include "core/number_text.h"

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
    result.quantities = {{std::string(countName), static_cast<double>(count), countText},
                         {"p", static_cast<double>(probability), probabilityText}};
    return result;
}

template Answer countTailAnswer(float, std::string_view, std::string_view, float);
template Answer countTailAnswer(double, std::string_view, std::string_view, double);

} // namespace quillon
