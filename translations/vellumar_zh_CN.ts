<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="search">
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message id="history">
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message id="tabs">
        <extracomment>The tab bar, for screen readers</extracomment>
        <source>Tabs</source>
        <translation>选项卡</translation>
    </message>
    <message id="navigation_title_vellumar">
        <source>Vellumar</source>
        <translation>Vellumar</translation>
    </message>
    <message id="search_placeholder">
        <source>App name or App Store link</source>
        <translation>输入应用名称或粘贴 App Store 链接</translation>
    </message>
    <message id="searching">
        <source>Searching…</source>
        <translation>正在搜索…</translation>
    </message>
    <message id="search_history">
        <source>Recent Searches</source>
        <translation>搜索历史</translation>
    </message>
    <message id="apps_found">
        <extracomment>The result list, for screen readers</extracomment>
        <source>Apps Found</source>
        <translation>找到的应用</translation>
    </message>
    <message id="no_search_history">
        <source>No recent searches</source>
        <translation>暂无搜索记录</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message id="show_in_folder">
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message id="photo_folder">
        <source>Photos are saved to</source>
        <translation>图片保存到</translation>
    </message>
    <message id="shape_preview">
        <source>The shape of a saved icon</source>
        <translation>保存后的图标形状</translation>
    </message>
    <message id="detail_placeholder">
        <source>Pick an app to see its details.</source>
        <translation>选择一个应用以查看详情。</translation>
    </message>
    <message id="app_details">
        <extracomment>The detail pane, for screen readers</extracomment>
        <source>App Details</source>
        <translation>应用详情</translation>
    </message>
    <message id="copy_icon">
        <source>Copy Icon</source>
        <translation>拷贝图标</translation>
    </message>
    <message id="copy_store_link">
        <source>Copy Store Link</source>
        <translation>拷贝商店链接</translation>
    </message>
    <message id="open_in_browser">
        <source>Open in Browser</source>
        <translation>在浏览器中打开</translation>
    </message>
    <message id="delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="save_screenshot">
        <source>Save Screenshot</source>
        <translation>保存截图</translation>
    </message>
    <message id="copy_image">
        <source>Copy Image</source>
        <translation>拷贝图片</translation>
    </message>
    <message id="screenshot_save_hint">
        <source>Press and hold the picture, or right-click it, to save it.</source>
        <translation>长按或右键点按图片即可保存。</translation>
    </message>
    <message id="save_icon_of">
        <extracomment>A row's save button, for screen readers: %1 the app, %2 what it saves</extracomment>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="delete_from_history">
        <source>Delete %1 from history</source>
        <translation>从历史记录中删除“%1”</translation>
    </message>
    <message id="initial_search_message">
        <source>Type an app name or paste an App Store link to start.</source>
        <translation>输入应用名称或粘贴 App Store 链接开始搜索。</translation>
    </message>
    <message id="url_found_message">
        <source>Found the app from the link.</source>
        <translation>已通过链接找到应用。</translation>
    </message>
    <message id="url_failure_message">
        <extracomment>%1: the error's description</extracomment>
        <source>Could not open the link: %1</source>
        <translation>无法打开链接：%1</translation>
    </message>
    <message id="search_error_message">
        <extracomment>%1: the error's description</extracomment>
        <source>Search failed: %1</source>
        <translation>搜索失败：%1</translation>
    </message>
    <message id="search_no_results_message">
        <extracomment>%1: the region's name, %2: the search term</extracomment>
        <source>No apps found for “%2” in %1.</source>
        <translation>在%1未找到与“%2”相关的应用。</translation>
    </message>
    <message id="url_invalid">
        <source>The request address is invalid.</source>
        <translation>请求地址无效。</translation>
    </message>
    <message id="app_not_found">
        <source>The app could not be found.</source>
        <translation>未找到该应用。</translation>
    </message>
    <message id="success">
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message id="error">
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message id="save_success_message_icon">
        <source>The icon was saved to your photo library.</source>
        <translation>图标已保存到相册。</translation>
    </message>
    <message id="save_success_message_original">
        <source>The original artwork was saved to your photo library.</source>
        <translation>原图已保存到相册。</translation>
    </message>
    <message id="save_success_message_mac">
        <source>The icon was saved to your photo library as its maker shaped it.</source>
        <translation>图标已按开发者原有的形状保存到相册。</translation>
    </message>
    <message id="download_fail_message_icon">
        <source>The icon could not be downloaded.</source>
        <translation>图标下载失败。</translation>
    </message>
    <message id="download_fail_message_original">
        <source>The original artwork could not be downloaded.</source>
        <translation>原图下载失败。</translation>
    </message>
    <message id="save_fail_message">
        <extracomment>%1: the error's description</extracomment>
        <source>Could not save: %1</source>
        <translation>保存失败：%1</translation>
    </message>
    <message id="history_fail_message">
        <extracomment>A save whose file was written and whose history entry was not</extracomment>
        <source>The icon was saved, but the download history could not be updated.</source>
        <translation>图标已保存，不过下载历史无法更新。</translation>
    </message>
    <message id="batch_save_summary">
        <extracomment>%1: how many icons were saved; %2: how many there were</extracomment>
        <source>%1 of %2 icons were saved.</source>
        <translation>已保存 %1 个图标（共 %2 个）。</translation>
    </message>
    <message id="batch_save_failure">
        <extracomment>One failure of a batch save. %1: the app's name; %2: why it was not saved</extracomment>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="batch_cancelled">
        <extracomment>The title of a batch save's summary after Cancel</extracomment>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message id="batch_cancelled_summary">
        <extracomment>%1: how many icons were saved before the cancel; %2: how many there were</extracomment>
        <source>Cancelled: %1 of %2 icons were saved.</source>
        <translation>已取消：已保存 %1 个图标（共 %2 个）。</translation>
    </message>
    <message id="select">
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message id="select_all">
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message id="deselect_all">
        <source>Deselect All</source>
        <translation>全不选</translation>
    </message>
    <message id="batch_progress">
        <extracomment>While a batch saves. %1: how many are done; %2: how many there are</extracomment>
        <source>%1 of %2 saved</source>
        <translation>已保存 %1 / %2</translation>
    </message>
    <message id="save_n_icons" numerus="yes">
        <extracomment>The button that saves the chosen rows. %n: how many</extracomment>
        <source>Save %n Icons</source>
        <translation>
            <numerusform>保存 %n 个图标</numerusform>
        </translation>
    </message>
    <message id="permission_denied_message">
        <source>Vellumar is not allowed to add photos to your photo library.</source>
        <translation>没有向相册添加照片的权限。</translation>
    </message>
    <message id="image_data_error">
        <source>The image data cannot be used.</source>
        <translation>图片数据无法使用。</translation>
    </message>
    <message id="save_fail_generic">
        <source>The photo could not be written to your photo library.</source>
        <translation>照片无法写入相册。</translation>
    </message>
    <message id="error_unknown">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>Something went wrong.</source>
        <translation>出了点问题。</translation>
    </message>
    <message id="error_not_secure">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The connection is not secure.</source>
        <translation>连接不安全。</translation>
    </message>
    <message id="error_no_network">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The network cannot be reached.</source>
        <translation>无法连接到网络。</translation>
    </message>
    <message id="error_server_refused">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The server refused the connection.</source>
        <translation>服务器拒绝了连接。</translation>
    </message>
    <message id="error_connection_lost">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The connection was interrupted.</source>
        <translation>连接中断了。</translation>
    </message>
    <message id="error_timed_out">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The server took too long to answer.</source>
        <translation>服务器响应超时。</translation>
    </message>
    <message id="error_too_large">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The data is too large.</source>
        <translation>数据过大。</translation>
    </message>
    <message id="error_unreadable_answer">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store sent an answer that could not be read.</source>
        <translation>App Store 返回的内容无法读取。</translation>
    </message>
    <message id="error_disk_full">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>There is not enough storage space.</source>
        <translation>存储空间不足。</translation>
    </message>
    <message id="error_rate_limited">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store is limiting requests; try again in a minute.</source>
        <translation>App Store 正在限制请求，请一分钟后再试。</translation>
    </message>
    <message id="error_region_not_served">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store has no store for this region.</source>
        <translation>App Store 在这个地区没有商店。</translation>
    </message>
    <message id="error_request_rejected">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store did not accept this request.</source>
        <translation>App Store 拒绝了这个请求。</translation>
    </message>
    <message id="error_not_a_folder">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The folder for the pictures cannot be used: a file or a broken link is in its place.</source>
        <translation>保存照片的文件夹无法使用：那里有一个文件或无效的链接。</translation>
    </message>
    <message id="detail_load_failed">
        <source>Could not load the details.</source>
        <translation>详情加载失败</translation>
    </message>
    <message id="section_header_information">
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message id="section_header_version_history">
        <source>Version History</source>
        <translation>版本历史</translation>
    </message>
    <message id="section_header_description">
        <source>Description</source>
        <translation>简介</translation>
    </message>
    <message id="section_header_screenshots">
        <source>Screenshots</source>
        <translation>截图</translation>
    </message>
    <message id="more_from_developer">
        <source>More from %1</source>
        <translation>%1 的更多 App</translation>
    </message>
    <message id="save_icon">
        <source>Save Icon</source>
        <translation>保存图标</translation>
    </message>
    <message id="label_track_id">
        <source>App ID</source>
        <translation>应用 ID</translation>
    </message>
    <message id="label_bundle_id">
        <source>Bundle ID</source>
        <translation>Bundle ID</translation>
    </message>
    <message id="label_version">
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message id="label_min_os">
        <source>Minimum OS Version</source>
        <translation>最低系统版本</translation>
    </message>
    <message id="label_release_notes">
        <source>Release Notes</source>
        <translation>更新说明</translation>
    </message>
    <message id="label_appstore_link">
        <source>App Store Link</source>
        <translation>App Store 链接</translation>
    </message>
    <message id="fact">
        <extracomment>A fact read by a screen reader: its label, then its value</extracomment>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="navigation_title_screenshot">
        <source>Screenshot</source>
        <translation>截图</translation>
    </message>
    <message id="navigation_title_screenshot_position">
        <extracomment>%1: the screenshot shown, from 1; %2: how many the app has</extracomment>
        <source>Screenshot %1 of %2</source>
        <translation>截图 %1/%2</translation>
    </message>
    <message id="previous_screenshot">
        <source>Previous Screenshot</source>
        <translation>上一张截图</translation>
    </message>
    <message id="next_screenshot">
        <source>Next Screenshot</source>
        <translation>下一张截图</translation>
    </message>
    <message id="zoom_level">
        <extracomment>How far a screenshot is zoomed in. %1: the percentage, a whole number</extracomment>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="screenshot_url_invalid">
        <source>The screenshot address is invalid.</source>
        <translation>截图地址无效。</translation>
    </message>
    <message id="download_fail_message_screenshot">
        <source>The screenshot could not be downloaded.</source>
        <translation>截图下载失败。</translation>
    </message>
    <message id="save_success_message_screenshot">
        <source>The screenshot was saved to your photo library.</source>
        <translation>截图已保存到相册。</translation>
    </message>
    <message id="navigation_title_download_history">
        <source>Download History</source>
        <translation>下载历史</translation>
    </message>
    <message id="history_search_placeholder">
        <source>Search downloaded apps</source>
        <translation>搜索已下载的应用</translation>
    </message>
    <message id="no_download_history">
        <source>No downloads yet</source>
        <translation>暂无下载记录</translation>
    </message>
    <message id="no_history_matches">
        <extracomment>%1: the filter text</extracomment>
        <source>No saved icon matches “%1”</source>
        <translation>没有与“%1”匹配的已保存图标</translation>
    </message>
    <message id="clear">
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message id="clear_text">
        <extracomment>The search field's clear button, for screen readers</extracomment>
        <source>Clear Text</source>
        <translation>清空输入</translation>
    </message>
    <message id="clear_search_history">
        <extracomment>For screen readers</extracomment>
        <source>Clear Search History</source>
        <translation>清空搜索历史</translation>
    </message>
    <message id="clear_download_history">
        <extracomment>For screen readers</extracomment>
        <source>Clear Download History</source>
        <translation>清空下载历史</translation>
    </message>
    <message id="clear_history_alert_title">
        <source>Clear Download History?</source>
        <translation>清空下载历史？</translation>
    </message>
    <message id="clear_history_alert_message">
        <source>All entries of the download history will be deleted. This cannot be undone.</source>
        <translation>下载历史中的所有记录都将被删除，此操作无法撤销。</translation>
    </message>
    <message id="clear_all_button">
        <source>Clear All</source>
        <translation>全部清空</translation>
    </message>
    <message id="cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="navigation_title_select_region">
        <source>Select Region</source>
        <translation>选择地区</translation>
    </message>
    <message id="country_search_prompt">
        <source>Search countries or regions</source>
        <translation>搜索国家或地区</translation>
    </message>
    <message id="no_region_matches">
        <extracomment>%1: the filter text</extracomment>
        <source>No region matches “%1”</source>
        <translation>没有与“%1”匹配的地区</translation>
    </message>
    <message id="done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="platform">
        <source>Platform</source>
        <translation>平台</translation>
    </message>
    <message id="section_header_save_options">
        <source>Save Options</source>
        <translation>保存选项</translation>
    </message>
    <message id="toggle_save_as_jpeg">
        <source>Save Original Artwork (JPEG)</source>
        <translation>保存原图（JPEG）</translation>
    </message>
    <message id="toggle_save_as_rounded">
        <source>Rounded Corners</source>
        <translation>圆角</translation>
    </message>
    <message id="toggle_save_as_slightly_rounded">
        <source>Slightly Rounded Corners</source>
        <translation>轻微圆角</translation>
    </message>
    <message id="file_name_rounded">
        <source>rounded</source>
        <translation>圆角</translation>
    </message>
    <message id="file_name_slightly_rounded">
        <source>slightly rounded</source>
        <translation>轻微圆角</translation>
    </message>
    <message id="file_name_original">
        <source>original</source>
        <translation>原图</translation>
    </message>
    <message id="file_name_screenshot">
        <source>screenshot</source>
        <translation>截图</translation>
    </message>
    <message id="picker_label_resolution">
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message id="section_header_language">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="Language">
        <source>App Language</source>
        <translation>界面语言</translation>
    </message>
    <message id="about">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="notice_saved">
        <extracomment>A notice after a save; %1 is the file's name</extracomment>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message id="notice_icon_copied">
        <source>Icon copied</source>
        <translation>图标已复制</translation>
    </message>
    <message id="notice_picture_copied">
        <source>Picture copied</source>
        <translation>图片已复制</translation>
    </message>
    <message id="error_no_file_manager">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>No file manager can show the file. Settings shows the folder the pictures are saved to.</source>
        <translation>没有可以显示该文件的文件管理器。设置中显示了图片的保存位置。</translation>
    </message>
    <message id="close_notice">
        <extracomment>Closes a notice, for screen readers</extracomment>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="primary_menu">
        <source>Main Menu</source>
        <translation>主菜单</translation>
    </message>
    <message id="preferences">
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message id="keyboard_shortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message id="about_vellumar">
        <source>About Vellumar</source>
        <translation>关于 Vellumar</translation>
    </message>
    <message id="about_version">
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message id="about_summary">
        <source>Collects app icons from the App Store.</source>
        <translation>从 App Store 收集应用图标。</translation>
    </message>
    <message id="about_licence">
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>自由软件，以 GNU 通用公共许可证第 3 版或更高版本发布。</translation>
    </message>
    <message id="about_website">
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message id="shortcuts_general">
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message id="shortcut_find">
        <source>Go to the search field</source>
        <translation>转到搜索栏</translation>
    </message>
    <message id="shortcut_show_search">
        <source>Show Search</source>
        <translation>显示搜索</translation>
    </message>
    <message id="shortcut_show_history">
        <source>Show History</source>
        <translation>显示历史</translation>
    </message>
    <message id="shortcut_main_menu">
        <source>Open the main menu</source>
        <translation>打开主菜单</translation>
    </message>
    <message id="shortcut_quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="shortcuts_lists">
        <source>Lists</source>
        <translation>列表</translation>
    </message>
    <message id="shortcut_move">
        <source>Move through the rows</source>
        <translation>在各行间移动</translation>
    </message>
    <message id="shortcut_open">
        <source>Open the app</source>
        <translation>打开应用</translation>
    </message>
    <message id="shortcut_row_menu">
        <source>Open the row's menu</source>
        <translation>打开该行的菜单</translation>
    </message>
    <message id="shortcut_delete">
        <source>Delete the entry (History)</source>
        <translation>删除该条目（历史）</translation>
    </message>
    <message id="shortcut_back">
        <source>Go back or close</source>
        <translation>返回或关闭</translation>
    </message>
    <message id="notice_removed_one">
        <extracomment>A notice after a deletion; %1 is the app's name</extracomment>
        <source>Removed “%1” from the history</source>
        <translation>已从历史中删除“%1”</translation>
    </message>
    <message id="undo">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="notice_removed_n" numerus="yes">
        <extracomment>A notice after a deletion. %n: how many</extracomment>
        <source>Removed %n entries from the history</source>
        <translation>
            <numerusform>已从历史中删除 %n 个条目</numerusform>
        </translation>
    </message>
    <message id="delete_n" numerus="yes">
        <extracomment>The button that deletes the chosen rows. %n: how many</extracomment>
        <source>Delete %n</source>
        <translation>
            <numerusform>删除 %n 项</numerusform>
        </translation>
    </message>
    <message id="save_size_description">
        <extracomment>What a save makes; %1 is the side in pixels</extracomment>
        <source>Save %1 px</source>
        <translation>保存 %1 像素</translation>
    </message>
    <message id="save_shaped_description">
        <extracomment>What a save makes; %1 is the side in pixels, %2 the shape</extracomment>
        <source>Save %1 px, %2</source>
        <translation>保存 %1 像素，%2</translation>
    </message>
    <message id="save_original_description">
        <source>Save the original artwork (JPEG)</source>
        <translation>保存原图 (JPEG)</translation>
    </message>
    <message id="other_save_options">
        <extracomment>The menu that saves once differently</extracomment>
        <source>Other Sizes and Shapes</source>
        <translation>其他尺寸和形状</translation>
    </message>
    <message id="shortcut_choose">
        <source>Choose the row, while choosing</source>
        <translation>选择时选中该行</translation>
    </message>
    <message id="shortcut_choose_all">
        <source>Choose every row</source>
        <translation>选中所有行</translation>
    </message>
    <message id="shortcut_go_back">
        <source>Go back</source>
        <translation>返回</translation>
    </message>
    <message id="shortcuts_viewer">
        <source>Screenshot Viewer</source>
        <translation>截图查看器</translation>
    </message>
    <message id="shortcut_next_previous">
        <source>Next or previous screenshot</source>
        <translation>下一张或上一张截图</translation>
    </message>
    <message id="shortcut_zoom">
        <source>Zoom in or out</source>
        <translation>放大或缩小</translation>
    </message>
    <message id="shortcut_fit">
        <source>Fit to the window</source>
        <translation>适合窗口大小</translation>
    </message>
    <message id="language_offer">
        <extracomment>The same in both tables: it is read before a language is chosen</extracomment>
        <source>Use English? · 使用英文？</source>
        <translation>Use English? · 使用英文？</translation>
    </message>
    <message id="language_offer_accept">
        <extracomment>The same in both tables: it is read before a language is chosen</extracomment>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="language_offer_decline">
        <extracomment>The same in both tables: it is read before a language is chosen</extracomment>
        <source>继续使用中文 · Keep Chinese</source>
        <translation>继续使用中文 · Keep Chinese</translation>
    </message>
    <message id="batch_stopped_summary">
        <extracomment>%1: how many icons were saved before a failure that every further save would meet (a full disk); %2: how many there were</extracomment>
        <source>Stopped: %1 of %2 icons were saved, and no more can be saved there.</source>
        <translation>已停止：已保存 %1 个图标（共 %2 个），那里无法再保存更多。</translation>
    </message>
    <message id="save_all">
        <extracomment>The button that saves the icons of every app of a list</extracomment>
        <source>Save All</source>
        <translation>全部保存</translation>
    </message>
    <message id="check_for_new_icons">
        <extracomment>History's header button and the main menu item</extracomment>
        <source>Check for New Icons</source>
        <translation>检查新图标</translation>
    </message>
    <message id="new_icons_title">
        <extracomment>Title of the sheet listing apps whose icon changed</extracomment>
        <source>New Icons</source>
        <translation>新图标</translation>
    </message>
    <message id="new_icons_checking">
        <extracomment>Shown while the history is being checked</extracomment>
        <source>Checking…</source>
        <translation>正在检查…</translation>
    </message>
    <message id="new_icons_none">
        <extracomment>The check found no changed icon</extracomment>
        <source>Every icon in your history is current.</source>
        <translation>下载历史中的图标都是最新的。</translation>
    </message>
    <message id="new_icons_gone">
        <extracomment>%1: the names of apps the store no longer has, separated by commas</extracomment>
        <source>No longer in the App Store: %1</source>
        <translation>已不在 App Store：%1</translation>
    </message>
    <message id="new_icons_check_again">
        <extracomment>Button that runs the check again</extracomment>
        <source>Check Again</source>
        <translation>重新检查</translation>
    </message>
    <message id="save_new_icons" numerus="yes">
        <extracomment>Button that saves every new icon. %n: how many</extracomment>
        <source>Save %n New Icons</source>
        <translation>
            <numerusform>保存 %n 个新图标</numerusform>
        </translation>
    </message>
    <message id="new_icon_row">
        <extracomment>Screen reader name of a changed app's row. %1: app name, %2: region code</extracomment>
        <source>%1, %2: saved icon, then the new one</source>
        <translation>%1，%2：已保存的图标与新图标</translation>
    </message>
    <message id="new_icons_check_failed" numerus="yes">
        <extracomment>%n: apps not checked, %1: the reason</extracomment>
        <source>%n apps could not be checked: %1</source>
        <translation>
            <numerusform>%n 个应用无法检查：%1</numerusform>
        </translation>
    </message>
    <message id="new_icons_app_gone_line">
        <extracomment>Command line note. %1: app name</extracomment>
        <source>%1 is no longer in the App Store.</source>
        <translation>%1 已不在 App Store。</translation>
    </message>
    <message id="new_icons_found" numerus="yes">
        <extracomment>Notice after the daily check. %n: how many apps</extracomment>
        <source>New icons for %n apps</source>
        <translation>
            <numerusform>%n 个应用有新图标</numerusform>
        </translation>
    </message>
    <message id="new_icons_show">
        <extracomment>The notice's action that shows the new icons</extracomment>
        <source>Show</source>
        <translation>查看</translation>
    </message>
    <message id="section_header_history">
        <extracomment>Settings section about the download history</extracomment>
        <source>Download History</source>
        <translation>下载历史</translation>
    </message>
    <message id="toggle_check_new_icons_daily">
        <extracomment>Settings switch</extracomment>
        <source>Check for new icons once a day</source>
        <translation>每天检查一次新图标</translation>
    </message>
    <message id="compare_regions">
        <extracomment>The detail screen's button and the screen that shows an app's icons across store regions</extracomment>
        <source>Compare Regions</source>
        <translation>比较地区</translation>
    </message>
    <message id="regions_progress">
        <extracomment>While the app is looked up in each region. %1: how many regions have answered; %2: how many there are</extracomment>
        <source>%1 of %2 regions looked up</source>
        <translation>已查询 %1 / %2 个地区</translation>
    </message>
    <message id="regions_icon_count" numerus="yes">
        <extracomment>Above the icons an app shows across regions. %n: how many different icons</extracomment>
        <source>%n Icons</source>
        <translation>
            <numerusform>%n 种图标</numerusform>
        </translation>
    </message>
    <message id="save_regions_icon">
        <extracomment>An icon's save button, for screen readers. %1: the regions that show the icon</extracomment>
        <source>Save the icon of %1</source>
        <translation>保存%1的图标</translation>
    </message>
    <message id="regions_not_sold_heading">
        <extracomment>Above the regions whose store does not sell the app</extracomment>
        <source>Not Sold In</source>
        <translation>未在以下地区销售</translation>
    </message>
    <message id="regions_not_sold_in">
        <extracomment>The command line's last line. %1: the codes of the regions whose store does not sell the app</extracomment>
        <source>Not sold in: %1</source>
        <translation>未在以下地区销售：%1</translation>
    </message>
    <message id="regions_failed_heading">
        <extracomment>Above the regions whose lookup failed</extracomment>
        <source>Could Not Be Looked Up</source>
        <translation>无法查询</translation>
    </message>
    <message id="region_lookup_failure">
        <extracomment>One region whose lookup failed. %1: the region; %2: why</extracomment>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="regions_none_chosen">
        <extracomment>Shown when no region is chosen to compare</extracomment>
        <source>Choose the regions to compare.</source>
        <translation>请选择要比较的地区。</translation>
    </message>
    <message id="compare_again">
        <extracomment>Looks the app up again in the chosen regions</extracomment>
        <source>Compare Again</source>
        <translation>重新比较</translation>
    </message>
    <message id="edit_regions">
        <extracomment>The button that opens the list of regions to compare</extracomment>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message id="choose_regions">
        <extracomment>The list of regions to compare, and its button for screen readers</extracomment>
        <source>Regions to Compare</source>
        <translation>要比较的地区</translation>
    </message>
    <message id="country_name_af">
        <source>Afghanistan</source>
        <translation>阿富汗</translation>
    </message>
    <message id="country_name_ax">
        <source>Åland Islands</source>
        <translation>奥兰群岛</translation>
    </message>
    <message id="country_name_al">
        <source>Albania</source>
        <translation>阿尔巴尼亚</translation>
    </message>
    <message id="country_name_dz">
        <source>Algeria</source>
        <translation>阿尔及利亚</translation>
    </message>
    <message id="country_name_as">
        <source>American Samoa</source>
        <translation>美属萨摩亚</translation>
    </message>
    <message id="country_name_ad">
        <source>Andorra</source>
        <translation>安道尔</translation>
    </message>
    <message id="country_name_ao">
        <source>Angola</source>
        <translation>安哥拉</translation>
    </message>
    <message id="country_name_ai">
        <source>Anguilla</source>
        <translation>安圭拉</translation>
    </message>
    <message id="country_name_aq">
        <source>Antarctica</source>
        <translation>南极洲</translation>
    </message>
    <message id="country_name_ag">
        <source>Antigua and Barbuda</source>
        <translation>安提瓜和巴布达</translation>
    </message>
    <message id="country_name_ar">
        <source>Argentina</source>
        <translation>阿根廷</translation>
    </message>
    <message id="country_name_am">
        <source>Armenia</source>
        <translation>亚美尼亚</translation>
    </message>
    <message id="country_name_aw">
        <source>Aruba</source>
        <translation>阿鲁巴</translation>
    </message>
    <message id="country_name_au">
        <source>Australia</source>
        <translation>澳大利亚</translation>
    </message>
    <message id="country_name_at">
        <source>Austria</source>
        <translation>奥地利</translation>
    </message>
    <message id="country_name_az">
        <source>Azerbaijan</source>
        <translation>阿塞拜疆</translation>
    </message>
    <message id="country_name_bs">
        <source>Bahamas</source>
        <translation>巴哈马</translation>
    </message>
    <message id="country_name_bh">
        <source>Bahrain</source>
        <translation>巴林</translation>
    </message>
    <message id="country_name_bd">
        <source>Bangladesh</source>
        <translation>孟加拉国</translation>
    </message>
    <message id="country_name_bb">
        <source>Barbados</source>
        <translation>巴巴多斯</translation>
    </message>
    <message id="country_name_by">
        <source>Belarus</source>
        <translation>白俄罗斯</translation>
    </message>
    <message id="country_name_be">
        <source>Belgium</source>
        <translation>比利时</translation>
    </message>
    <message id="country_name_bz">
        <source>Belize</source>
        <translation>伯利兹</translation>
    </message>
    <message id="country_name_bj">
        <source>Benin</source>
        <translation>贝宁</translation>
    </message>
    <message id="country_name_bm">
        <source>Bermuda</source>
        <translation>百慕大</translation>
    </message>
    <message id="country_name_bt">
        <source>Bhutan</source>
        <translation>不丹</translation>
    </message>
    <message id="country_name_bo">
        <source>Bolivia</source>
        <translation>玻利维亚</translation>
    </message>
    <message id="country_name_ba">
        <source>Bosnia and Herzegovina</source>
        <translation>波斯尼亚和黑塞哥维那</translation>
    </message>
    <message id="country_name_bw">
        <source>Botswana</source>
        <translation>博茨瓦纳</translation>
    </message>
    <message id="country_name_br">
        <source>Brazil</source>
        <translation>巴西</translation>
    </message>
    <message id="country_name_io">
        <source>British Indian Ocean Territory</source>
        <translation>英属印度洋领地</translation>
    </message>
    <message id="country_name_bn">
        <source>Brunei</source>
        <translation>文莱</translation>
    </message>
    <message id="country_name_bg">
        <source>Bulgaria</source>
        <translation>保加利亚</translation>
    </message>
    <message id="country_name_bf">
        <source>Burkina Faso</source>
        <translation>布基纳法索</translation>
    </message>
    <message id="country_name_bi">
        <source>Burundi</source>
        <translation>布隆迪</translation>
    </message>
    <message id="country_name_kh">
        <source>Cambodia</source>
        <translation>柬埔寨</translation>
    </message>
    <message id="country_name_cm">
        <source>Cameroon</source>
        <translation>喀麦隆</translation>
    </message>
    <message id="country_name_ca">
        <source>Canada</source>
        <translation>加拿大</translation>
    </message>
    <message id="country_name_cv">
        <source>Cape Verde</source>
        <translation>佛得角</translation>
    </message>
    <message id="country_name_ky">
        <source>Cayman Islands</source>
        <translation>开曼群岛</translation>
    </message>
    <message id="country_name_cf">
        <source>Central African Republic</source>
        <translation>中非共和国</translation>
    </message>
    <message id="country_name_td">
        <source>Chad</source>
        <translation>乍得</translation>
    </message>
    <message id="country_name_cl">
        <source>Chile</source>
        <translation>智利</translation>
    </message>
    <message id="country_name_cn">
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message id="country_name_cx">
        <source>Christmas Island</source>
        <translation>圣诞岛</translation>
    </message>
    <message id="country_name_cc">
        <source>Cocos (Keeling) Islands</source>
        <translation>科科斯群岛</translation>
    </message>
    <message id="country_name_co">
        <source>Colombia</source>
        <translation>哥伦比亚</translation>
    </message>
    <message id="country_name_km">
        <source>Comoros</source>
        <translation>科摩罗</translation>
    </message>
    <message id="country_name_cg">
        <source>Congo</source>
        <translation>刚果（布）</translation>
    </message>
    <message id="country_name_cd">
        <source>Congo (DRC)</source>
        <translation>刚果（金）</translation>
    </message>
    <message id="country_name_ck">
        <source>Cook Islands</source>
        <translation>库克群岛</translation>
    </message>
    <message id="country_name_cr">
        <source>Costa Rica</source>
        <translation>哥斯达黎加</translation>
    </message>
    <message id="country_name_ci">
        <source>Côte d'Ivoire</source>
        <translation>科特迪瓦</translation>
    </message>
    <message id="country_name_hr">
        <source>Croatia</source>
        <translation>克罗地亚</translation>
    </message>
    <message id="country_name_cu">
        <source>Cuba</source>
        <translation>古巴</translation>
    </message>
    <message id="country_name_cw">
        <source>Curaçao</source>
        <translation>库拉索</translation>
    </message>
    <message id="country_name_cy">
        <source>Cyprus</source>
        <translation>塞浦路斯</translation>
    </message>
    <message id="country_name_cz">
        <source>Czechia</source>
        <translation>捷克</translation>
    </message>
    <message id="country_name_dk">
        <source>Denmark</source>
        <translation>丹麦</translation>
    </message>
    <message id="country_name_dj">
        <source>Djibouti</source>
        <translation>吉布提</translation>
    </message>
    <message id="country_name_dm">
        <source>Dominica</source>
        <translation>多米尼克</translation>
    </message>
    <message id="country_name_do">
        <source>Dominican Republic</source>
        <translation>多米尼加共和国</translation>
    </message>
    <message id="country_name_ec">
        <source>Ecuador</source>
        <translation>厄瓜多尔</translation>
    </message>
    <message id="country_name_eg">
        <source>Egypt</source>
        <translation>埃及</translation>
    </message>
    <message id="country_name_sv">
        <source>El Salvador</source>
        <translation>萨尔瓦多</translation>
    </message>
    <message id="country_name_gq">
        <source>Equatorial Guinea</source>
        <translation>赤道几内亚</translation>
    </message>
    <message id="country_name_er">
        <source>Eritrea</source>
        <translation>厄立特里亚</translation>
    </message>
    <message id="country_name_ee">
        <source>Estonia</source>
        <translation>爱沙尼亚</translation>
    </message>
    <message id="country_name_et">
        <source>Ethiopia</source>
        <translation>埃塞俄比亚</translation>
    </message>
    <message id="country_name_fk">
        <source>Falkland Islands</source>
        <translation>福克兰群岛</translation>
    </message>
    <message id="country_name_fo">
        <source>Faroe Islands</source>
        <translation>法罗群岛</translation>
    </message>
    <message id="country_name_fj">
        <source>Fiji</source>
        <translation>斐济</translation>
    </message>
    <message id="country_name_fi">
        <source>Finland</source>
        <translation>芬兰</translation>
    </message>
    <message id="country_name_fr">
        <source>France</source>
        <translation>法国</translation>
    </message>
    <message id="country_name_gf">
        <source>French Guiana</source>
        <translation>法属圭亚那</translation>
    </message>
    <message id="country_name_pf">
        <source>French Polynesia</source>
        <translation>法属波利尼西亚</translation>
    </message>
    <message id="country_name_ga">
        <source>Gabon</source>
        <translation>加蓬</translation>
    </message>
    <message id="country_name_gm">
        <source>Gambia</source>
        <translation>冈比亚</translation>
    </message>
    <message id="country_name_ge">
        <source>Georgia</source>
        <translation>格鲁吉亚</translation>
    </message>
    <message id="country_name_de">
        <source>Germany</source>
        <translation>德国</translation>
    </message>
    <message id="country_name_gh">
        <source>Ghana</source>
        <translation>加纳</translation>
    </message>
    <message id="country_name_gi">
        <source>Gibraltar</source>
        <translation>直布罗陀</translation>
    </message>
    <message id="country_name_gr">
        <source>Greece</source>
        <translation>希腊</translation>
    </message>
    <message id="country_name_gl">
        <source>Greenland</source>
        <translation>格陵兰</translation>
    </message>
    <message id="country_name_gd">
        <source>Grenada</source>
        <translation>格林纳达</translation>
    </message>
    <message id="country_name_gp">
        <source>Guadeloupe</source>
        <translation>瓜德罗普</translation>
    </message>
    <message id="country_name_gu">
        <source>Guam</source>
        <translation>关岛</translation>
    </message>
    <message id="country_name_gt">
        <source>Guatemala</source>
        <translation>危地马拉</translation>
    </message>
    <message id="country_name_gg">
        <source>Guernsey</source>
        <translation>根西岛</translation>
    </message>
    <message id="country_name_gn">
        <source>Guinea</source>
        <translation>几内亚</translation>
    </message>
    <message id="country_name_gw">
        <source>Guinea-Bissau</source>
        <translation>几内亚比绍</translation>
    </message>
    <message id="country_name_gy">
        <source>Guyana</source>
        <translation>圭亚那</translation>
    </message>
    <message id="country_name_ht">
        <source>Haiti</source>
        <translation>海地</translation>
    </message>
    <message id="country_name_hn">
        <source>Honduras</source>
        <translation>洪都拉斯</translation>
    </message>
    <message id="country_name_hk">
        <source>Hong Kong</source>
        <translation>中国香港</translation>
    </message>
    <message id="country_name_hu">
        <source>Hungary</source>
        <translation>匈牙利</translation>
    </message>
    <message id="country_name_is">
        <source>Iceland</source>
        <translation>冰岛</translation>
    </message>
    <message id="country_name_in">
        <source>India</source>
        <translation>印度</translation>
    </message>
    <message id="country_name_id">
        <source>Indonesia</source>
        <translation>印度尼西亚</translation>
    </message>
    <message id="country_name_ir">
        <source>Iran</source>
        <translation>伊朗</translation>
    </message>
    <message id="country_name_iq">
        <source>Iraq</source>
        <translation>伊拉克</translation>
    </message>
    <message id="country_name_ie">
        <source>Ireland</source>
        <translation>爱尔兰</translation>
    </message>
    <message id="country_name_im">
        <source>Isle of Man</source>
        <translation>马恩岛</translation>
    </message>
    <message id="country_name_il">
        <source>Israel</source>
        <translation>以色列</translation>
    </message>
    <message id="country_name_it">
        <source>Italy</source>
        <translation>意大利</translation>
    </message>
    <message id="country_name_jm">
        <source>Jamaica</source>
        <translation>牙买加</translation>
    </message>
    <message id="country_name_jp">
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message id="country_name_je">
        <source>Jersey</source>
        <translation>泽西岛</translation>
    </message>
    <message id="country_name_jo">
        <source>Jordan</source>
        <translation>约旦</translation>
    </message>
    <message id="country_name_kz">
        <source>Kazakhstan</source>
        <translation>哈萨克斯坦</translation>
    </message>
    <message id="country_name_ke">
        <source>Kenya</source>
        <translation>肯尼亚</translation>
    </message>
    <message id="country_name_ki">
        <source>Kiribati</source>
        <translation>基里巴斯</translation>
    </message>
    <message id="country_name_kp">
        <source>North Korea</source>
        <translation>朝鲜</translation>
    </message>
    <message id="country_name_kr">
        <source>South Korea</source>
        <translation>韩国</translation>
    </message>
    <message id="country_name_kw">
        <source>Kuwait</source>
        <translation>科威特</translation>
    </message>
    <message id="country_name_kg">
        <source>Kyrgyzstan</source>
        <translation>吉尔吉斯斯坦</translation>
    </message>
    <message id="country_name_la">
        <source>Laos</source>
        <translation>老挝</translation>
    </message>
    <message id="country_name_lv">
        <source>Latvia</source>
        <translation>拉脱维亚</translation>
    </message>
    <message id="country_name_lb">
        <source>Lebanon</source>
        <translation>黎巴嫩</translation>
    </message>
    <message id="country_name_ls">
        <source>Lesotho</source>
        <translation>莱索托</translation>
    </message>
    <message id="country_name_lr">
        <source>Liberia</source>
        <translation>利比里亚</translation>
    </message>
    <message id="country_name_ly">
        <source>Libya</source>
        <translation>利比亚</translation>
    </message>
    <message id="country_name_li">
        <source>Liechtenstein</source>
        <translation>列支敦士登</translation>
    </message>
    <message id="country_name_lt">
        <source>Lithuania</source>
        <translation>立陶宛</translation>
    </message>
    <message id="country_name_lu">
        <source>Luxembourg</source>
        <translation>卢森堡</translation>
    </message>
    <message id="country_name_mo">
        <source>Macao</source>
        <translation>中国澳门</translation>
    </message>
    <message id="country_name_mk">
        <source>North Macedonia</source>
        <translation>北马其顿</translation>
    </message>
    <message id="country_name_mg">
        <source>Madagascar</source>
        <translation>马达加斯加</translation>
    </message>
    <message id="country_name_mw">
        <source>Malawi</source>
        <translation>马拉维</translation>
    </message>
    <message id="country_name_my">
        <source>Malaysia</source>
        <translation>马来西亚</translation>
    </message>
    <message id="country_name_mv">
        <source>Maldives</source>
        <translation>马尔代夫</translation>
    </message>
    <message id="country_name_ml">
        <source>Mali</source>
        <translation>马里</translation>
    </message>
    <message id="country_name_mt">
        <source>Malta</source>
        <translation>马尔他</translation>
    </message>
    <message id="country_name_mh">
        <source>Marshall Islands</source>
        <translation>马绍尔群岛</translation>
    </message>
    <message id="country_name_mq">
        <source>Martinique</source>
        <translation>马提尼克</translation>
    </message>
    <message id="country_name_mr">
        <source>Mauritania</source>
        <translation>毛里塔尼亚</translation>
    </message>
    <message id="country_name_mu">
        <source>Mauritius</source>
        <translation>毛里求斯</translation>
    </message>
    <message id="country_name_yt">
        <source>Mayotte</source>
        <translation>马约特</translation>
    </message>
    <message id="country_name_mx">
        <source>Mexico</source>
        <translation>墨西哥</translation>
    </message>
    <message id="country_name_fm">
        <source>Micronesia</source>
        <translation>密克罗尼西亚</translation>
    </message>
    <message id="country_name_md">
        <source>Moldova</source>
        <translation>摩尔多瓦</translation>
    </message>
    <message id="country_name_mc">
        <source>Monaco</source>
        <translation>摩纳哥</translation>
    </message>
    <message id="country_name_mn">
        <source>Mongolia</source>
        <translation>蒙古</translation>
    </message>
    <message id="country_name_me">
        <source>Montenegro</source>
        <translation>黑山</translation>
    </message>
    <message id="country_name_ms">
        <source>Montserrat</source>
        <translation>蒙特塞拉特</translation>
    </message>
    <message id="country_name_ma">
        <source>Morocco</source>
        <translation>摩洛哥</translation>
    </message>
    <message id="country_name_mz">
        <source>Mozambique</source>
        <translation>莫桑比克</translation>
    </message>
    <message id="country_name_mm">
        <source>Myanmar</source>
        <translation>缅甸</translation>
    </message>
    <message id="country_name_na">
        <source>Namibia</source>
        <translation>纳米比亚</translation>
    </message>
    <message id="country_name_nr">
        <source>Nauru</source>
        <translation>瑙鲁</translation>
    </message>
    <message id="country_name_np">
        <source>Nepal</source>
        <translation>尼泊尔</translation>
    </message>
    <message id="country_name_nl">
        <source>Netherlands</source>
        <translation>荷兰</translation>
    </message>
    <message id="country_name_nc">
        <source>New Caledonia</source>
        <translation>新喀里多尼亚</translation>
    </message>
    <message id="country_name_nz">
        <source>New Zealand</source>
        <translation>新西兰</translation>
    </message>
    <message id="country_name_ni">
        <source>Nicaragua</source>
        <translation>尼加拉瓜</translation>
    </message>
    <message id="country_name_ne">
        <source>Niger</source>
        <translation>尼日尔</translation>
    </message>
    <message id="country_name_ng">
        <source>Nigeria</source>
        <translation>尼日利亚</translation>
    </message>
    <message id="country_name_nu">
        <source>Niue</source>
        <translation>纽埃</translation>
    </message>
    <message id="country_name_nf">
        <source>Norfolk Island</source>
        <translation>诺福克岛</translation>
    </message>
    <message id="country_name_mp">
        <source>Northern Mariana Islands</source>
        <translation>北马里亚纳群岛</translation>
    </message>
    <message id="country_name_no">
        <source>Norway</source>
        <translation>挪威</translation>
    </message>
    <message id="country_name_om">
        <source>Oman</source>
        <translation>阿曼</translation>
    </message>
    <message id="country_name_pk">
        <source>Pakistan</source>
        <translation>巴基斯坦</translation>
    </message>
    <message id="country_name_pw">
        <source>Palau</source>
        <translation>帕劳</translation>
    </message>
    <message id="country_name_ps">
        <source>Palestine</source>
        <translation>巴勒斯坦</translation>
    </message>
    <message id="country_name_pa">
        <source>Panama</source>
        <translation>巴拿马</translation>
    </message>
    <message id="country_name_pg">
        <source>Papua New Guinea</source>
        <translation>巴布亚新几内亚</translation>
    </message>
    <message id="country_name_py">
        <source>Paraguay</source>
        <translation>巴拉圭</translation>
    </message>
    <message id="country_name_pe">
        <source>Peru</source>
        <translation>秘鲁</translation>
    </message>
    <message id="country_name_ph">
        <source>Philippines</source>
        <translation>菲律宾</translation>
    </message>
    <message id="country_name_pl">
        <source>Poland</source>
        <translation>波兰</translation>
    </message>
    <message id="country_name_pt">
        <source>Portugal</source>
        <translation>葡萄牙</translation>
    </message>
    <message id="country_name_pr">
        <source>Puerto Rico</source>
        <translation>波多黎各</translation>
    </message>
    <message id="country_name_qa">
        <source>Qatar</source>
        <translation>卡塔尔</translation>
    </message>
    <message id="country_name_re">
        <source>Réunion</source>
        <translation>留尼汪</translation>
    </message>
    <message id="country_name_ro">
        <source>Romania</source>
        <translation>罗马尼亚</translation>
    </message>
    <message id="country_name_ru">
        <source>Russia</source>
        <translation>俄罗斯</translation>
    </message>
    <message id="country_name_rw">
        <source>Rwanda</source>
        <translation>卢旺达</translation>
    </message>
    <message id="country_name_sh">
        <source>Saint Helena</source>
        <translation>圣赫勒拿</translation>
    </message>
    <message id="country_name_kn">
        <source>Saint Kitts and Nevis</source>
        <translation>圣基茨和尼维斯</translation>
    </message>
    <message id="country_name_lc">
        <source>Saint Lucia</source>
        <translation>圣卢西亚</translation>
    </message>
    <message id="country_name_pm">
        <source>Saint Pierre and Miquelon</source>
        <translation>圣皮埃尔和密克隆</translation>
    </message>
    <message id="country_name_vc">
        <source>Saint Vincent and the Grenadines</source>
        <translation>圣文森特和格林纳丁斯</translation>
    </message>
    <message id="country_name_ws">
        <source>Samoa</source>
        <translation>萨摩亚</translation>
    </message>
    <message id="country_name_sm">
        <source>San Marino</source>
        <translation>圣马力诺</translation>
    </message>
    <message id="country_name_st">
        <source>Sao Tome and Principe</source>
        <translation>圣多美和普林西比</translation>
    </message>
    <message id="country_name_sa">
        <source>Saudi Arabia</source>
        <translation>沙特阿拉伯</translation>
    </message>
    <message id="country_name_sn">
        <source>Senegal</source>
        <translation>塞内加尔</translation>
    </message>
    <message id="country_name_rs">
        <source>Serbia</source>
        <translation>塞尔维亚</translation>
    </message>
    <message id="country_name_sc">
        <source>Seychelles</source>
        <translation>塞舌尔</translation>
    </message>
    <message id="country_name_sl">
        <source>Sierra Leone</source>
        <translation>塞拉利昂</translation>
    </message>
    <message id="country_name_sg">
        <source>Singapore</source>
        <translation>新加坡</translation>
    </message>
    <message id="country_name_sk">
        <source>Slovakia</source>
        <translation>斯洛伐克</translation>
    </message>
    <message id="country_name_si">
        <source>Slovenia</source>
        <translation>斯洛文尼亚</translation>
    </message>
    <message id="country_name_sb">
        <source>Solomon Islands</source>
        <translation>所罗门群岛</translation>
    </message>
    <message id="country_name_so">
        <source>Somalia</source>
        <translation>索马里</translation>
    </message>
    <message id="country_name_za">
        <source>South Africa</source>
        <translation>南非</translation>
    </message>
    <message id="country_name_es">
        <source>Spain</source>
        <translation>西班牙</translation>
    </message>
    <message id="country_name_lk">
        <source>Sri Lanka</source>
        <translation>斯里兰卡</translation>
    </message>
    <message id="country_name_sd">
        <source>Sudan</source>
        <translation>苏丹</translation>
    </message>
    <message id="country_name_sr">
        <source>Suriname</source>
        <translation>苏里南</translation>
    </message>
    <message id="country_name_sz">
        <source>Eswatini</source>
        <translation>斯威士兰</translation>
    </message>
    <message id="country_name_se">
        <source>Sweden</source>
        <translation>瑞典</translation>
    </message>
    <message id="country_name_ch">
        <source>Switzerland</source>
        <translation>瑞士</translation>
    </message>
    <message id="country_name_sy">
        <source>Syria</source>
        <translation>叙利亚</translation>
    </message>
    <message id="country_name_tw">
        <source>Taiwan</source>
        <translation>中国台湾</translation>
    </message>
    <message id="country_name_tj">
        <source>Tajikistan</source>
        <translation>塔吉克斯坦</translation>
    </message>
    <message id="country_name_tz">
        <source>Tanzania</source>
        <translation>坦桑尼亚</translation>
    </message>
    <message id="country_name_th">
        <source>Thailand</source>
        <translation>泰国</translation>
    </message>
    <message id="country_name_tl">
        <source>Timor-Leste</source>
        <translation>东帝汶</translation>
    </message>
    <message id="country_name_tg">
        <source>Togo</source>
        <translation>多哥</translation>
    </message>
    <message id="country_name_tk">
        <source>Tokelau</source>
        <translation>托克劳</translation>
    </message>
    <message id="country_name_to">
        <source>Tonga</source>
        <translation>汤加</translation>
    </message>
    <message id="country_name_tt">
        <source>Trinidad and Tobago</source>
        <translation>特里尼达和多巴哥</translation>
    </message>
    <message id="country_name_tn">
        <source>Tunisia</source>
        <translation>突尼斯</translation>
    </message>
    <message id="country_name_tr">
        <source>Turkey</source>
        <translation>土耳其</translation>
    </message>
    <message id="country_name_tm">
        <source>Turkmenistan</source>
        <translation>土库曼斯坦</translation>
    </message>
    <message id="country_name_tc">
        <source>Turks and Caicos Islands</source>
        <translation>特克斯和凯科斯群岛</translation>
    </message>
    <message id="country_name_tv">
        <source>Tuvalu</source>
        <translation>图瓦卢</translation>
    </message>
    <message id="country_name_ug">
        <source>Uganda</source>
        <translation>乌干达</translation>
    </message>
    <message id="country_name_ua">
        <source>Ukraine</source>
        <translation>乌克兰</translation>
    </message>
    <message id="country_name_ae">
        <source>United Arab Emirates</source>
        <translation>阿联酋</translation>
    </message>
    <message id="country_name_gb">
        <source>United Kingdom</source>
        <translation>英国</translation>
    </message>
    <message id="country_name_us">
        <source>United States</source>
        <translation>美国</translation>
    </message>
    <message id="country_name_uy">
        <source>Uruguay</source>
        <translation>乌拉圭</translation>
    </message>
    <message id="country_name_uz">
        <source>Uzbekistan</source>
        <translation>乌兹别克斯坦</translation>
    </message>
    <message id="country_name_vu">
        <source>Vanuatu</source>
        <translation>瓦努阿图</translation>
    </message>
    <message id="country_name_va">
        <source>Vatican City</source>
        <translation>梵蒂冈</translation>
    </message>
    <message id="country_name_ve">
        <source>Venezuela</source>
        <translation>委内瑞拉</translation>
    </message>
    <message id="country_name_vn">
        <source>Vietnam</source>
        <translation>越南</translation>
    </message>
    <message id="country_name_vg">
        <source>British Virgin Islands</source>
        <translation>英属维尔京群岛</translation>
    </message>
    <message id="country_name_vi">
        <source>U.S. Virgin Islands</source>
        <translation>美属维尔京群岛</translation>
    </message>
    <message id="country_name_ye">
        <source>Yemen</source>
        <translation>也门</translation>
    </message>
    <message id="country_name_zm">
        <source>Zambia</source>
        <translation>赞比亚</translation>
    </message>
    <message id="country_name_zw">
        <source>Zimbabwe</source>
        <translation>津巴布韦</translation>
    </message>
</context>
</TS>
