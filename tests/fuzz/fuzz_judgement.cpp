// parseJudgement and validateJudgement on any text in either kind of locale: they return, the
// two agree with each other, and a judgement that passes lies on the scale.

#include "fuzz_input.h"

#include "model/judgement.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input = fuzzInput(data, size);
    const QString &text = input.text;

    const ParsedJudgement parsed = parseJudgement(text, input.locale);
    if (!parsed.invalid)
        FUZZ_CHECK(std::isfinite(parsed.value));

    const JudgementCheck check = validateJudgement(text, input.locale);
    FUZZ_CHECK(check.valid == check.message.isEmpty());
    if (check.valid) {
        FUZZ_CHECK(std::isfinite(check.value));
        FUZZ_CHECK(check.value >= MinJudgement && check.value <= MaxJudgement);
        FUZZ_CHECK(!parsed.invalid && check.value == parsed.value);
    }

    // The message names the first rule the text breaks.
    QString expected;
    if (text.isEmpty())
        expected = JudgementEmptyMessage.text();
    else if (parsed.invalid)
        expected = JudgementInvalidMessage.text();
    else if (parsed.value == 0.0)
        expected = JudgementZeroMessage.text();
    else if (parsed.value < MinJudgement)
        expected = JudgementTooSmallMessage.text();
    else if (parsed.value > MaxJudgement)
        expected = JudgementTooLargeMessage.text();
    FUZZ_CHECK(check.message == expected);

    // Blanks around a number never make a judgement, whatever the locale forgives.
    if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()) && !text.contains(QLatin1Char('/')))
        FUZZ_CHECK(parsed.invalid);

    // Only the first MaxDivisorLength characters of a divisor are read.
    const qsizetype bar = text.indexOf(QLatin1Char('/'));
    if (bar >= 0 && text.size() - bar - 1 > MaxDivisorLength) {
        const ParsedJudgement cut = parseJudgement(text.left(bar + 1 + MaxDivisorLength), input.locale);
        FUZZ_CHECK(cut.invalid == parsed.invalid);
        if (!cut.invalid)
            FUZZ_CHECK(cut.value == parsed.value);
    }
    return 0;
}
