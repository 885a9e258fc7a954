// What the whole program knows about the registrar and its settings; one
// instance, owned by main and handed to every window by reference.
#pragma once

#include <QString>
#include <QStringList>

#include "link/registrar_models.h"
#include "link/reply_record.h"

namespace tesmar::app {

// How the header dialog shows the tape width: an edit field, or a list.
struct TapeWidthChoice {
  int width = 40;
  bool listShown = false;
  QList<int> listItems;
};

// Options of the registrar parameters dialog that the model decides.
struct RegistrarParamOptions {
  bool smallFontReceiptVisible = true;
  bool smallFontControlVisible = true;
  bool paper57Visible = false;
  int speedIndex = -1;  // entry of its speed list matching the connect speed
};

struct AppState {
  QString configPath;
  const link::ReplyRecord* lastReply = nullptr;
  bool connected = false;
  QString model;
  QString firmwareVersion;
  QString accessLevel = "medium";
  QString electronicJournal;
  int forcedVersion = -1;
  // What the windows read of the model, firmware, access level and journal;
  // computed once at identification.
  link::RegistrarProfile profile;
  QString usbVirtualPort;
  bool usbVirtualPortFound = false;
  bool logCommentsOff = false;
  int paymentTypeCount = 10;
  int taxGroupCount = 0;
  int tapeWidth = 40;
  TapeWidthChoice tapeWidthChoice;
  RegistrarParamOptions registrarParams;
  int headFootPar = 0;
  // The bank terminal port: the system's error of its last preparation.
  int terminalError = 0;
  QString terminalPort;
  int terminalBaud = 115200;
};

}  // namespace tesmar::app
