// The program: the application object (locale, message routine, exception
// handler), the main window, and the file named on the command line.
#include "VkApplication.h"
#include "VkMain.h"

int main(int argc, char** argv) {
  VkApplication app(argc, argv);
  TMainForm window;
  window.show();
  window.Start(app.arguments().mid(1));
  return app.exec();
}
