// The photo of the certificate: a picture file chosen by the user.
#pragma once

class Form;

// Left-button handler of 图片框1: the position and keys do not matter. The
// chosen file's bytes go to the picture box, which decodes them by content;
// a file that cannot be read or decoded leaves the box without a picture.
void onPhotoPressed(Form& form, int x, int y, int keys);
