// qbx-make-button-images: draws the preview buttons and writes the gzip-wrapped bitmap the program carries.
#include "ButtonArt.h"
#include "base/Exceptions.h"
#include "formats/ImageResource.h"
#include "platform/Files.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr
            << "usage: qbx-make-button-images OUTPUT.gz  (the project keeps resources/images/PreviewButtons.gz)\n";
        return 2;
    }
    try {
        qbx::WriteFileAtomically(
            argv[1], qbx::CompressImageResource(qbx::EncodeBitmap(qbx::art::DrawPreviewButtons())));
    } catch (const qbx::Exception& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
    return 0;
}
