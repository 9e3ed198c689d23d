#pragma once

// The types the scene's parts name in their declarations, declared once.
class CMirelleVWS;
class CVHTWnd;
class CVPSPPushBtn;
class CVUserOptionWnd;
class GVAvatarWnd;
class GVWnd;
struct IHostInterface;
enum class HostControlState : int32_t;
enum class HostNotifyCode : int32_t;
enum class LeaveNoticeCode : int32_t;
enum class HostRequestCode : int32_t;
