// What a view does with the evaluation's reply, the same in a calculator and in a data sheet: a
// request the module could not carry out or an arithmetic error shows its message; a refusal goes
// to the view, which says why at the box or cell at fault; an answer is shown with its report and
// figure. The address becomes the link that answers it again.
import { announce, beep, showMessage } from './alerts.mjs';
import { timed } from './timing.mjs';

// Whether the reply was an answer.
export async function applyReply(reply, { answer, report, refuse, link, started }) {
    history.replaceState(null, '', link);
    if (reply.problem) {
        await showMessage(reply.problem);
        return false;
    }
    if (reply.refusal) {
        report?.clear();
        await refuse(reply.refusal);
        return false;
    }
    if (reply.error) {
        await answer.failed(reply.error);
        return false;
    }
    report?.answered(reply);
    const shown = answer.answered(reply, link);
    timed(started);
    await shown;
    return true;
}

// A refusal's message box, or the beep with its reason for screen readers.
export async function sayRefusal(refusal, why) {
    if (refusal.message) {
        await showMessage(refusal.message);
    } else {
        beep();
        announce(why);
    }
}
