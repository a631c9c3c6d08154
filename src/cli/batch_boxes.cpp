#include "cli/batch_boxes.h"

namespace dorvik::cli {

void printBox(std::FILE* out, const MessageRequest& request)
{
    std::fwrite(request.title.data(), 1, request.title.size(), out);
    std::fputc('\t', out);
    std::fwrite(request.text.data(), 1, request.text.size(), out);
    std::fputc('\n', out);
}

Answer ConfirmingBoxes::message(const MessageRequest& request)
{
    if (verbose_)
        printBox(out_, request);
    lastText_ = request.text;
    return request.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

Answer CollectingBoxes::message(const MessageRequest& request)
{
    shown.push_back(request);
    return request.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

} // namespace dorvik::cli
